#pragma once
// A temporary folder for the end-to-end tests, with helpers to put a word-file set in it.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace kwintel::cli::e2e {

class TempFolder {
 public:
  TempFolder() {
    char name[] = "/tmp/kwintel-cli-test-XXXXXX";
    if (::mkdtemp(name) != nullptr) path_ = std::string(name) + "/";
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder, ending in '/'.
  const std::string& Path() const { return path_; }

  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path_ + name, std::ios::binary) << bytes;
  }
  std::string Read(const std::string& name) const {
    std::ifstream in(path_ + name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  // The word file of `length` under base name `base`, one word per line.
  void WriteWordFile(const std::string& base, int length, const std::vector<std::string>& words) const {
    char digits[4];
    std::snprintf(digits, sizeof digits, "%02d", length);
    std::string bytes;
    for (const auto& word : words) bytes += word + "\n";
    Write(base + digits + ".DOC", bytes);
  }

 private:
  std::string path_;
};

// Whether the OpenTaal word files were made beside the executables (Debian package wdutch).
inline bool HaveOpenTaal() { return std::filesystem::exists(std::string(KWINTEL_BIN_DIR) + "/opentaal04.DOC"); }

#define KWINTEL_NEED_OPENTAAL() \
  if (!::kwintel::cli::e2e::HaveOpenTaal()) GTEST_SKIP() << "no OpenTaal word files"

}  // namespace kwintel::cli::e2e
