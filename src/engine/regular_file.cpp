#include "engine/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace kwintel {

int OpenRegularFile(const std::string& path, std::uint64_t limit, int& fd, std::size_t& size) {
  int opened;
  do {
    opened = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  } while (opened < 0 && errno == EINTR);
  if (opened < 0) return errno == ENOTDIR ? ENOENT : errno;
  struct stat status {};
  int error = 0;
  if (::fstat(opened, &status) != 0) {
    error = errno;
  } else if (S_ISDIR(status.st_mode)) {
    error = EISDIR;
  } else if (!S_ISREG(status.st_mode)) {
    error = EINVAL;
  } else if (static_cast<std::uint64_t>(status.st_size) >= limit) {
    error = EFBIG;
  }
  if (error != 0) {
    ::close(opened);
    return error;
  }
  fd = opened;
  size = static_cast<std::size_t>(status.st_size);
  return 0;
}

void CloseRegularFile(int fd) { ::close(fd); }

int ReadWhole(int fd, std::size_t size, std::vector<char>& contents) {
  // One byte more than the size, so the read that meets the end needs no room of its own.
  contents.resize(size + 1);
  std::size_t filled = 0;
  for (;;) {
    if (filled == contents.size()) contents.resize(contents.size() + 4096);
    const ssize_t got = ::read(fd, contents.data() + filled, contents.size() - filled);
    if (got < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (got == 0) break;
    filled += static_cast<std::size_t>(got);
  }
  contents.resize(filled);
  return 0;
}

}  // namespace kwintel
