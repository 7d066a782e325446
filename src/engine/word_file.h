#pragma once
// Reading a word file: bytes in large blocks, handed out one line at a time.
//
// A line ends in LF or CR LF and exactly that is removed; a last line without a line end keeps
// every character; a line of any length is one line (it is never split or cut). The word of a line
// is its text up to its first NUL byte, NUL-terminated in the reader's buffer, so the matchers can
// work on it in place without a copy.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace kwintel {

class WordFile {
 public:
  // A line that does not fit in maxLineBytes is passed over whole (the reading goes on after its
  // line end): only binary garbage has such lines, and holding it would cost unbounded memory.
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

  // Size in bytes when the file was opened.
  std::int64_t Size() const { return size_; }
  // Bytes of the file taken by the lines handed out so far, line ends included.
  std::int64_t Position() const { return position_; }

  // The next line's word and its length (the bytes before its first NUL). The text stays valid
  // until the next call. False at the end of the file, on a read error and when nothing is open.
  bool NextLine(const char*& word, std::size_t& length);

 private:
  // Moves the unfinished line to the front of the buffer and reads more after it. False when
  // nothing more could be read.
  bool Refill();
  bool Grow();
  const char* HandOut(std::size_t from, std::size_t textEnd, std::size_t lineEnd);

  std::size_t maxLineBytes_;
  int fd_ = -1;
  std::int64_t size_ = 0;
  std::int64_t position_ = 0;
  std::unique_ptr<char[]> buffer_;
  std::size_t capacity_ = 0;  // bytes in buffer_, one of them always kept for a terminating NUL
  std::size_t begin_ = 0;     // first byte of the buffer not handed out yet
  std::size_t end_ = 0;       // one past the last byte read into the buffer
  std::size_t scanned_ = 0;   // bytes from begin_ already known to hold no LF
  bool atEnd_ = false;        // nothing more to read from the file
  bool skipping_ = false;     // inside an over-long line that is being passed over
};

}  // namespace kwintel
