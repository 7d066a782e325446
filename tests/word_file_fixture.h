#pragma once
// A temporary folder for word-file fixtures, removed with everything in it at the end of a test.

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace kwintel::testing_support {

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kwintel-test-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data()) ? pattern : std::string();
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder, without a trailing '/'.
  const std::string& Path() const { return path_; }

  // Writes `bytes` exactly as given to the file `name` in the folder; returns its path.
  std::string Write(const std::string& name, std::string_view bytes) const {
    const std::string path = path_ + "/" + name;
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), std::streamsize(bytes.size()));
    return path;
  }

 private:
  std::string path_;
};

}  // namespace kwintel::testing_support
