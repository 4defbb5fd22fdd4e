// One run of the search inside the Run handler: the found-cell list as it grows, the progress
// bar, the message pump with its abort question, and the final listing.
#pragma once

#include <string>
#include <vector>

#include "main/form.hpp"
#include "search/search_engine.hpp"

namespace quarvel {

class TForm1::run : public search_host {
 public:
  run(TForm1& form, mathhkl::tolerances tol, size_t vector_count);

  bool add_found(const found_cell& cell) override;
  bool pair_step() override;
  void inner_steps(long long count) override;
  unsigned wanted_systems() override;

  // After the triple search: "No other cell", or duplicates dropped, grouped, numbered.
  void end();
  // The search ended early: abort confirmed, list full or the window closing.
  bool ended_early() const { return ended_early_; }

 private:
  static constexpr int kMostFoundLines = 500;  // the 500th cell stops the search

  TForm1& form_;
  toolkit::toolkit& tk_;
  mathhkl::tolerances tol_;
  std::vector<std::string> found_lines_;
  std::vector<int> found_systems_;
  real48 progress_count_;
  real48 progress_scale_;
  int shown_position_ = -1;
  bool ended_early_ = false;
};

}  // namespace quarvel
