// A fresh folder that is the current folder while a test runs; removed afterwards with all
// the files the test and the program left in it.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace quarvel::testing {

class temp_folder {
 public:
  temp_folder() : previous_(std::filesystem::current_path()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "quarvel-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder");
    path_ = pattern;
    std::filesystem::current_path(path_);
  }
  temp_folder(const temp_folder&) = delete;
  temp_folder& operator=(const temp_folder&) = delete;
  ~temp_folder() {
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(path_);
  }

  const std::filesystem::path& path() const { return path_; }

  // Writes the bytes as they stand: line ends are the test's own.
  std::string write(const std::string& name, std::string_view bytes) const {
    std::ofstream(path_ / name, std::ios::binary) << bytes;
    return (path_ / name).string();
  }
  std::string read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  bool holds(const std::string& name) const { return std::filesystem::exists(path_ / name); }
  int file_count() const {
    return static_cast<int>(std::distance(std::filesystem::directory_iterator(path_),
                                          std::filesystem::directory_iterator()));
  }

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};

}  // namespace quarvel::testing
