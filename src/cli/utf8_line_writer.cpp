#include "cli/utf8_line_writer.h"

#include <algorithm>
#include <cerrno>

#include "text/text_encoding.h"

namespace kwintel::cli {
namespace {

constexpr std::size_t kChunkBytes = 1 << 16;

}  // namespace

Utf8LineWriter::Utf8LineWriter(std::FILE* out) : out_(out) { chunk_.reserve(kChunkBytes + 256); }

void Utf8LineWriter::Write(std::string_view line) {
  if (failed_) return;
  // Most lines are plain ASCII, which is UTF-8 already.
  if (std::all_of(line.begin(), line.end(), [](char c) { return (c & 0x80) == 0; })) {
    chunk_ += line;
  } else {
    chunk_ += Cp1252ToUtf8(line);
  }
  chunk_ += '\n';
  if (chunk_.size() >= kChunkBytes) WriteOut();
}

void Utf8LineWriter::WriteOut() {
  if (!failed_ && std::fwrite(chunk_.data(), 1, chunk_.size(), out_) != chunk_.size()) {
    failed_ = true;
    error_ = errno;
  }
  chunk_.clear();
}

bool Utf8LineWriter::Finish() {
  WriteOut();
  if (!failed_ && std::fflush(out_) != 0) {
    failed_ = true;
    error_ = errno;
  }
  return !failed_;
}

}  // namespace kwintel::cli
