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
  long long pair_steps(long long count, long long visits) override;
  bool preparation_step() override;
  const mathhkl::system_set& wanted_systems() override { return wanted_; }

  // After the triple search: "No other cell", or duplicates dropped, grouped, numbered.
  void end();
  // The search ended early: abort confirmed, list full or the window closing.
  bool ended_early() const { return ended_early_; }

 private:
  static constexpr int kMostFoundLines = 500;  // the 500th cell stops the search

  // The target systems and the Abort buttons, read again only after the window handled events:
  // nothing else changes them.
  void read_controls();
  bool ask_abort();
  // One pair's visits counted; the bar is set when its position changes.
  void count_visits(long long visits);
  void show_progress();
  // The bar's position after `count` steps: 200 count / N^3, rounded half to even.
  int position_at(long long count) const;

  TForm1& form_;
  toolkit::toolkit& tk_;
  mathhkl::tolerances tol_;
  std::vector<std::string> found_lines_;
  std::vector<mathhkl::crystal_system> found_systems_;
  mathhkl::system_set wanted_;
  bool abort_pressed_ = false;
  long long vector_count_cubed_;
  long long progress_count_ = 0;
  long long next_position_count_ = 0;  // the count at which the position changes next
  int shown_position_ = -1;
  bool ended_early_ = false;
};

}  // namespace quarvel
