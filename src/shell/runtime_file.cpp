#include "shell/runtime_file.h"

#include <filesystem>
#include <system_error>

namespace kwintel {

std::string FindRuntimeFile(std::string_view name, const std::string& executableFolder) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::path here = fs::current_path(error) / fs::path(name);
  if (!error && fs::is_regular_file(here, error)) return here.string();
  const fs::path beside = executableFolder + std::string(name);
  if (fs::is_regular_file(beside, error)) return beside.string();
  return {};
}

}  // namespace kwintel
