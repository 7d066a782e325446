#include "engine/word_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kwintel {
namespace {

// A whole word-file set takes under a hundred reads. A larger block saves some of them, but a
// kwintel-cli run, which searches once, pays more for its fresh pages than those reads cost.
constexpr std::size_t kBlockBytes = std::size_t{64} << 10;

// Bit i is set when bytes[i] == value, for i below 64; all 64 bytes must be readable.
std::uint64_t ByteMask64(const char* bytes, char value) {
  std::uint64_t mask = 0;
#if defined(__SSE2__)
  const __m128i wanted = _mm_set1_epi8(value);
  for (int part = 0; part < 4; ++part) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + 16 * part));
    const auto bits = static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, wanted)));
    mask |= std::uint64_t{bits} << (16 * part);
  }
#else
  for (int i = 0; i < 64; ++i) mask |= std::uint64_t{bytes[i] == value} << i;
#endif
  return mask;
}

}  // namespace

WordFile::WordFile(std::size_t maxLineBytes) : maxLineBytes_(std::max<std::size_t>(maxLineBytes, 1)) {}

WordFile::~WordFile() { Close(); }

std::int64_t WordFile::RegularFileSize(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return -1;
  return static_cast<std::int64_t>(status.st_size);
}

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
    const std::size_t capacity = std::min(kBlockBytes, maxLineBytes_) + 1;
    // Not cleared: a fresh page costs when it is first written, and a small file would pay for
    // the whole block. The bytes past end_ that a line-end scan reads, padding included, are
    // masked off whatever they hold.
    buffer_.reset(new (std::nothrow) char[capacity + kChunk]);
    if (!buffer_) {
      ::close(fd);
      return false;
    }
    capacity_ = capacity;
  }
  fd_ = fd;
  size_ = static_cast<std::int64_t>(status.st_size);
  discarded_ = 0;
  begin_ = end_ = chunk_ = 0;
  pending_ = 0;
  nul_ = kNone;
  atEnd_ = skipping_ = false;
  return true;
}

void WordFile::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  pending_ = 0;
}

bool WordFile::NextLineSlow(const char*& word, std::size_t& length) {
  if (fd_ < 0) return false;
  for (;;) {
    if (pending_ != 0) {
      const std::size_t lineFeed = TakeLineFeed();
      if (skipping_) {
        // The end of the over-long line: reading goes on after it.
        begin_ = lineFeed + 1;
        skipping_ = false;
        if (nul_ < begin_) FindNul(begin_);
        continue;
      }
      word = TakeLine(TextEnd(lineFeed), lineFeed + 1, length);
      return true;
    }
    if (chunk_ + kChunk < end_) {
      chunk_ += kChunk;
      pending_ = LineFeedMask(chunk_);
      continue;
    }
    // Every byte read is scanned, and no LF is left among them.
    if (atEnd_) {
      if (begin_ == end_) return false;
      if (skipping_) {
        begin_ = end_;
        return false;
      }
      // The last line has no line end: all of it is the line.
      word = TakeLine(end_, end_, length);
      return true;
    }
    if (!Refill()) atEnd_ = true;
  }
}

// Bit i is set when byte chunk + i is an LF that was read (bytes from end_ on never count).
// chunk <= end_ <= capacity_, and the padding keeps the 64 bytes inside the buffer.
std::uint64_t WordFile::LineFeedMask(std::size_t chunk) const {
  std::uint64_t mask = ByteMask64(buffer_.get() + chunk, '\n');
  const std::size_t valid = end_ - chunk;
  if (valid < kChunk) mask &= (std::uint64_t{1} << valid) - 1;
  return mask;
}

void WordFile::FindNul(std::size_t from) {
  const void* found = std::memchr(buffer_.get() + from, '\0', end_ - from);
  nul_ = found ? static_cast<std::size_t>(static_cast<const char*>(found) - buffer_.get()) : kNone;
}

bool WordFile::Refill() {
  if (begin_ > 0) {
    std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
    discarded_ += static_cast<std::int64_t>(begin_);
    if (nul_ != kNone) nul_ -= begin_;
    end_ -= begin_;
    begin_ = 0;
  }
  if (end_ + 1 >= capacity_ && (skipping_ || !Grow())) {
    // The unfinished line cannot be held: drop what there is of it and pass over the rest.
    discarded_ += static_cast<std::int64_t>(end_);
    end_ = 0;
    nul_ = kNone;
    skipping_ = true;
  }
  // Everything before end_ is scanned and free of LFs; the scan goes on from there.
  chunk_ = end_;
  pending_ = 0;
  ssize_t got;
  do {
    got = ::read(fd_, buffer_.get() + end_, capacity_ - 1 - end_);
  } while (got < 0 && errno == EINTR);
  if (got <= 0) return false;  // end of file, or a read error, which ends the file the same way
  end_ += static_cast<std::size_t>(got);
  pending_ = LineFeedMask(chunk_);
  if (nul_ == kNone) FindNul(chunk_);
  return true;
}

bool WordFile::Grow() {
  const std::size_t limit = maxLineBytes_ + 1;
  const std::size_t wanted = capacity_ > limit / 2 ? limit : capacity_ * 2;
  if (wanted <= capacity_) return false;
  std::unique_ptr<char[]> bigger(new (std::nothrow) char[wanted + kChunk]);
  if (!bigger) return false;
  std::memcpy(bigger.get(), buffer_.get(), end_);
  buffer_ = std::move(bigger);
  capacity_ = wanted;
  return true;
}

}  // namespace kwintel
