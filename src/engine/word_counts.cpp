#include "engine/word_counts.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <limits>
#include <optional>

namespace kwintel {
namespace {

// The count of a line: digits only, at least one, and no more than 64 bits hold.
std::optional<std::uint64_t> ParseCount(std::string_view digits) {
  if (digits.empty()) return std::nullopt;
  std::uint64_t value = 0;
  constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
  for (const char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    const auto digit = static_cast<std::uint64_t>(c - '0');
    if (value > (kMax - digit) / 10) return std::nullopt;
    value = value * 10 + digit;
  }
  return value;
}

std::uint64_t SaturatingSum(std::uint64_t a, std::uint64_t b) {
  return a > std::numeric_limits<std::uint64_t>::max() - b ? std::numeric_limits<std::uint64_t>::max()
                                                           : a + b;
}

// Reads the whole of an open regular file of `size` bytes (more or fewer if it changes meanwhile).
// The errno of a failed read, 0 on success.
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

}  // namespace

std::string CountsFilePath(const std::string& prefix) { return prefix + ".FRQ"; }

WordCounts WordCounts::FromContents(std::vector<char> contents) {
  WordCounts result;
  result.contents_ = std::move(contents);
  const char* next = result.contents_.data();
  const char* const end = next + result.contents_.size();
  // About 14 bytes a line in a real file; reserving spares the table its rehashes.
  result.counts_.reserve(result.contents_.size() / 14 + 1);
  while (next < end) {
    const char* lineFeed = static_cast<const char*>(std::memchr(next, '\n', static_cast<std::size_t>(end - next)));
    if (lineFeed == nullptr) lineFeed = end;
    std::string_view line(next, static_cast<std::size_t>(lineFeed - next));
    next = lineFeed + 1;
    if (line.ends_with('\r')) line.remove_suffix(1);

    const std::size_t tab = line.find('\t');
    const auto count = tab == std::string_view::npos ? std::nullopt : ParseCount(line.substr(tab + 1));
    if (tab == 0 || !count) {
      ++result.damagedLines_;
      continue;
    }
    const auto [place, added] = result.counts_.try_emplace(line.substr(0, tab), *count);
    if (!added) place->second = SaturatingSum(place->second, *count);
  }
  return result;
}

LoadedWordCounts LoadWordCounts(const std::string& path) {
  LoadedWordCounts loaded;
  int fd;
  do {
    fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return loaded;
    loaded.state = CountsFileState::kUnreadable;
    loaded.failure = std::strerror(errno);
    return loaded;
  }
  struct stat status {};
  int error = 0;
  std::vector<char> contents;
  if (::fstat(fd, &status) != 0) {
    error = errno;
  } else if (S_ISDIR(status.st_mode)) {
    error = EISDIR;
  } else if (!S_ISREG(status.st_mode)) {
    error = EINVAL;  // a FIFO or a device: not a counts file
  } else {
    error = ReadWhole(fd, static_cast<std::size_t>(status.st_size), contents);
  }
  ::close(fd);
  if (error != 0) {
    loaded.state = CountsFileState::kUnreadable;
    loaded.failure = std::strerror(error);
    return loaded;
  }
  loaded.state = CountsFileState::kRead;
  loaded.counts = WordCounts::FromContents(std::move(contents));
  return loaded;
}

}  // namespace kwintel
