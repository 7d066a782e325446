#include "engine/word_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>

namespace kwintel {
namespace {

// Large enough that a whole word-file set takes a few dozen reads, small enough to stay in cache.
constexpr std::size_t kBlockBytes = std::size_t{256} << 10;

}  // namespace

WordFile::WordFile(std::size_t maxLineBytes) : maxLineBytes_(std::max<std::size_t>(maxLineBytes, 1)) {}

WordFile::~WordFile() { Close(); }

bool WordFile::Open(const std::string& path) {
  Close();
  int fd;
  do {
    // O_NONBLOCK so that a FIFO in the word file's place cannot hang the open.
    fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) return false;
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd);
    return false;
  }
  if (!buffer_) {
    capacity_ = std::min(kBlockBytes, maxLineBytes_) + 1;
    buffer_.reset(new (std::nothrow) char[capacity_]);
    if (!buffer_) {
      capacity_ = 0;
      ::close(fd);
      return false;
    }
  }
  fd_ = fd;
  size_ = static_cast<std::int64_t>(status.st_size);
  position_ = 0;
  begin_ = end_ = scanned_ = 0;
  atEnd_ = skipping_ = false;
  return true;
}

void WordFile::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

bool WordFile::NextLine(const char*& word, std::size_t& length) {
  if (fd_ < 0) return false;
  for (;;) {
    char* const base = buffer_.get();
    const std::size_t from = begin_ + scanned_;
    if (const void* found = std::memchr(base + from, '\n', end_ - from)) {
      const std::size_t lf = static_cast<std::size_t>(static_cast<const char*>(found) - base);
      if (skipping_) {
        position_ += static_cast<std::int64_t>(lf + 1 - begin_);
        begin_ = lf + 1;
        scanned_ = 0;
        skipping_ = false;
        continue;
      }
      const std::size_t textEnd = (lf > begin_ && base[lf - 1] == '\r') ? lf - 1 : lf;
      word = HandOut(begin_, textEnd, lf + 1);
      length = std::strlen(word);
      return true;
    }
    scanned_ = end_ - begin_;
    if (atEnd_) {
      if (begin_ == end_) return false;
      if (skipping_) {
        position_ += static_cast<std::int64_t>(end_ - begin_);
        begin_ = end_;
        return false;
      }
      // The last line has no line end: all of it is the line.
      word = HandOut(begin_, end_, end_);
      length = std::strlen(word);
      return true;
    }
    if (!Refill()) atEnd_ = true;
  }
}

const char* WordFile::HandOut(std::size_t from, std::size_t textEnd, std::size_t lineEnd) {
  // textEnd < capacity_: a read never fills the byte kept for this terminator.
  buffer_[textEnd] = '\0';
  position_ += static_cast<std::int64_t>(lineEnd - from);
  begin_ = lineEnd;
  scanned_ = 0;
  return buffer_.get() + from;
}

bool WordFile::Refill() {
  if (begin_ > 0) {
    std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  if (end_ + 1 >= capacity_ && (skipping_ || !Grow())) {
    // The unfinished line cannot be held: drop what there is of it and pass over the rest.
    position_ += static_cast<std::int64_t>(end_);
    end_ = 0;
    scanned_ = 0;
    skipping_ = true;
  }
  ssize_t got;
  do {
    got = ::read(fd_, buffer_.get() + end_, capacity_ - 1 - end_);
  } while (got < 0 && errno == EINTR);
  if (got <= 0) return false;  // end of file, or a read error, which ends the file the same way
  end_ += static_cast<std::size_t>(got);
  return true;
}

bool WordFile::Grow() {
  const std::size_t limit = maxLineBytes_ + 1;
  const std::size_t wanted = std::min(capacity_ > limit / 2 ? limit : capacity_ * 2, limit);
  if (wanted <= capacity_) return false;
  std::unique_ptr<char[]> bigger(new (std::nothrow) char[wanted]);
  if (!bigger) return false;
  std::memcpy(bigger.get(), buffer_.get(), end_);
  buffer_ = std::move(bigger);
  capacity_ = wanted;
  return true;
}

}  // namespace kwintel
