#pragma once
// Result lines (Windows-1252) written to a stream as UTF-8, one per line, in large chunks.

#include <cstdio>
#include <string>
#include <string_view>

namespace kwintel::cli {

class Utf8LineWriter {
 public:
  explicit Utf8LineWriter(std::FILE* out);

  // Queues the line and its line end; writes out a chunk once enough is queued. After a failed
  // write nothing more is written.
  void Write(std::string_view line);
  // Writes out what is queued and flushes the stream. False when this or any earlier write
  // failed; Error() then holds its errno.
  bool Finish();
  int Error() const { return error_; }

 private:
  void WriteOut();

  std::FILE* out_;
  std::string chunk_;
  int error_ = 0;
  bool failed_ = false;
};

}  // namespace kwintel::cli
