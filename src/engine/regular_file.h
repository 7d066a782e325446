#pragma once
// Reading the whole of a small regular file (the counts file, the sound file) without ever blocking
// on a FIFO or mistaking a folder for a file.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kwintel {

// Opens the regular file at `path` for reading when it has fewer than `limit` bytes: 0 with `fd`
// and `size` set (the caller closes fd with CloseRegularFile); ENOENT when there is no file there
// (or a path through a file, ENOTDIR); otherwise the errno of the failure, with nothing open:
// EISDIR for a folder, EINVAL for a FIFO or a device, EFBIG for `limit` bytes or more.
int OpenRegularFile(const std::string& path, std::uint64_t limit, int& fd, std::size_t& size);
void CloseRegularFile(int fd);

// OpenRegularFile, then take(fd, size), which returns 0 or an errno, then the file closed again.
template <typename Take>
int WithRegularFile(const std::string& path, std::uint64_t limit, Take take) {
  int fd = -1;
  std::size_t size = 0;
  int error = OpenRegularFile(path, limit, fd, size);
  if (error != 0) return error;
  error = take(fd, size);
  CloseRegularFile(fd);
  return error;
}

// Reads the whole of an open regular file of `size` bytes (more or fewer if it changes meanwhile)
// into `contents`. The errno of a failed read, 0 on success.
int ReadWhole(int fd, std::size_t size, std::vector<char>& contents);

}  // namespace kwintel
