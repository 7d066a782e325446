#include "atomic_file_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

namespace kwintel {
namespace {

std::string Reason(int error) { return std::strerror(error); }

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool WriteAll(int fd, std::string_view contents) {
  while (!contents.empty()) {
    const ssize_t written = ::write(fd, contents.data(), contents.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    contents.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace

std::optional<std::string> WriteFileAtomically(const std::string& path,
                                               std::string_view contents) {
  std::error_code ignored;
  // Follow a symbolic link so that the link stays and its target gets the new contents.
  const std::filesystem::path target = std::filesystem::is_symlink(path, ignored)
                                           ? std::filesystem::weakly_canonical(path, ignored)
                                           : std::filesystem::path(path);
  std::filesystem::path folder = target.parent_path();
  if (folder.empty()) folder = ".";

  struct stat old{};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists && S_ISDIR(old.st_mode)) return Reason(EISDIR);
  const mode_t mode = exists ? (old.st_mode & 07777) : NewFileMode();

  std::string temporary = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  std::vector<char> name(temporary.begin(), temporary.end());
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return Reason(errno);
  temporary.assign(name.data());

  int error = 0;
  if (!WriteAll(fd, contents) || ::fchmod(fd, mode) != 0 || ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temporary.c_str());
    return Reason(error);
  }
  return std::nullopt;
}

}  // namespace kwintel
