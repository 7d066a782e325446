#pragma once
// Reading a word file: bytes in large blocks, handed out one line at a time.
//
// A line ends in LF or CR LF and exactly that is removed; a last line without a line end keeps
// every character; a line of any length is one line (it is never split or cut). The word of a line
// is its text up to its first NUL byte, NUL-terminated in the reader's buffer, so the matchers can
// work on it in place without a copy.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace kwintel {

class WordFile {
 public:
  // A line that does not fit in maxLineBytes, line end included, is passed over whole (the reading
  // goes on after its line end): only binary garbage has such lines, and holding one would cost
  // unbounded memory.
  static constexpr std::size_t kDefaultMaxLineBytes = std::size_t{16} << 20;

  explicit WordFile(std::size_t maxLineBytes = kDefaultMaxLineBytes);
  ~WordFile();
  WordFile(const WordFile&) = delete;
  WordFile& operator=(const WordFile&) = delete;

  // Opens a regular file for reading, closing any file open before. False, with nothing open, when
  // the file is missing, unreadable, a folder or anything but a regular file (a FIFO would block).
  // The buffer is kept from file to file, so a run that reuses one WordFile allocates it once.
  bool Open(const std::string& path);
  void Close();

  // Size in bytes of the regular file at `path`, without opening it; -1 when there is none. The
  // search sums the sizes for its progress bar first: one call a file instead of three.
  static std::int64_t RegularFileSize(const std::string& path);

  // Size in bytes when the file was opened.
  std::int64_t Size() const { return size_; }
  // Bytes of the file taken by the lines handed out so far, line ends included.
  std::int64_t Position() const { return discarded_ + static_cast<std::int64_t>(begin_); }

  // The next line's word and its length (the bytes before its first NUL). The text stays valid
  // until the next call. False at the end of the file, on a read error and when nothing is open.
  // Inline for the common case, a line end already found in the current chunk.
  bool NextLine(const char*& word, std::size_t& length) {
    if (pending_ == 0 || skipping_) return NextLineSlow(word, length);
    const std::size_t lineFeed = TakeLineFeed();
    word = TakeLine(TextEnd(lineFeed), lineFeed + 1, length);
    return true;
  }

 private:
  bool NextLineSlow(const char*& word, std::size_t& length);

  std::size_t TakeLineFeed() {
    const std::size_t lineFeed = chunk_ + static_cast<std::size_t>(std::countr_zero(pending_));
    pending_ &= pending_ - 1;
    return lineFeed;
  }
  // Where the text of the line from begin_ to the LF at lineFeed ends: before a CR that
  // precedes the LF.
  std::size_t TextEnd(std::size_t lineFeed) const {
    return (lineFeed > begin_ && buffer_[lineFeed - 1] == '\r') ? lineFeed - 1 : lineFeed;
  }
  // Hands out the line from begin_ whose text ends at textEnd, the next line starting at `next`.
  const char* TakeLine(std::size_t textEnd, std::size_t next, std::size_t& length) {
    char* const base = buffer_.get();
    const std::size_t from = begin_;
    // textEnd < capacity_: a read never fills the byte kept for this terminator. The LF bits of
    // these bytes are taken already, so the terminator cannot pass for data later.
    base[textEnd] = '\0';
    begin_ = next;
    if (nul_ < next) {
      length = nul_ - from;  // a NUL cannot stand in the line end, so it lies in the text
      FindNul(next);
    } else {
      length = textEnd - from;
    }
    return base + from;
  }

  // Moves the unfinished line to the front of the buffer and reads more after it. False when
  // nothing more could be read.
  bool Refill();
  bool Grow();
  std::uint64_t LineFeedMask(std::size_t chunk) const;
  void FindNul(std::size_t from);

  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  // Line ends are found 64 bytes at a time, as a bit mask, so a line costs a bit scan instead of
  // a search call. The buffer has this many bytes of padding so a chunk never reads past it.
  static constexpr std::size_t kChunk = 64;

  std::size_t maxLineBytes_;
  int fd_ = -1;
  std::int64_t size_ = 0;
  std::int64_t discarded_ = 0;  // bytes of the file dropped from the front of the buffer
  std::unique_ptr<char[]> buffer_;
  std::size_t capacity_ = 0;  // usable bytes of buffer_, one of them always kept for a terminating NUL
  std::size_t begin_ = 0;     // first byte of the buffer not handed out yet
  std::size_t end_ = 0;       // one past the last byte read into the buffer
  // The bytes from chunk_ to chunk_ + 64 (or end_) are scanned: pending_ holds a bit for each LF
  // among them not handed out yet. Bytes from begin_ to chunk_ hold no LF.
  std::size_t chunk_ = 0;
  std::uint64_t pending_ = 0;
  // The first NUL byte at or after begin_ in the bytes read, or kNone. Word files hold no NUL as a
  // rule, so one search per block spares a strlen per line.
  std::size_t nul_ = kNone;
  bool atEnd_ = false;     // nothing more to read from the file
  bool skipping_ = false;  // inside an over-long line that is being passed over
};

}  // namespace kwintel
