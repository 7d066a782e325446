#include "engine/word_counts.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <limits>
#include <optional>

#include "engine/counts_check.h"

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
  return a > std::numeric_limits<std::uint64_t>::max() - b ? std::numeric_limits<std::uint64_t>::max() : a + b;
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

std::uint64_t Load8(const char* bytes) {
  std::uint64_t value;
  std::memcpy(&value, bytes, 8);
  return value;
}

std::uint64_t Load4(const char* bytes) {
  std::uint32_t value;
  std::memcpy(&value, bytes, 4);
  return value;
}

// The 128-bit product of a and b folded to 64 bits: every input bit reaches most output bits.
std::uint64_t Mix(std::uint64_t a, std::uint64_t b) {
  const unsigned __int128 product = static_cast<unsigned __int128>(a) * b;
  return static_cast<std::uint64_t>(product) ^ static_cast<std::uint64_t>(product >> 64);
}

// A hash of a word, after the multiply-fold hashes of small keys: a word of up to 16 bytes is
// read as two overlapping blocks (of 8 bytes, of 4, or three single bytes for 1 to 3), so no
// loop and no byte-by-byte copy; a longer word mixes its middle blocks in first. The length is
// mixed in, so overlapping reads of different lengths do not collide. Not meant for keys an
// attacker chooses: the words come from the user's own files.
std::uint64_t HashWord(std::string_view word) {
  constexpr std::uint64_t kSeed0 = 0xA0761D6478BD642Fu;
  constexpr std::uint64_t kSeed1 = 0xE7037ED1A0B428DBu;
  const char* const bytes = word.data();
  const std::size_t size = word.size();
  std::uint64_t first = 0;
  std::uint64_t last = 0;
  if (size >= 8) {
    first = Load8(bytes);
    last = Load8(bytes + size - 8);
    for (std::size_t at = 8; at + 8 < size; at += 8) first = Mix(first ^ kSeed0, Load8(bytes + at) ^ kSeed1);
  } else if (size >= 4) {
    first = Load4(bytes);
    last = Load4(bytes + size - 4);
  } else if (size > 0) {
    first = std::uint64_t{static_cast<unsigned char>(bytes[0])} << 16 |
            std::uint64_t{static_cast<unsigned char>(bytes[size / 2])} << 8 |
            static_cast<unsigned char>(bytes[size - 1]);
  }
  return Mix(first ^ kSeed0 ^ size, last ^ kSeed1);
}

}  // namespace

std::string CountsFilePath(const std::string& prefix) { return prefix + ".FRQ"; }

namespace {

// A line of a counts file: its word and count, or nothing when it is damaged.
struct CountsLine {
  std::string_view word;
  std::uint64_t count = 0;
  bool damaged = true;
};

// The line from `next` (which moves past its LF) to its end.
CountsLine ReadCountsLine(const char*& next, const char* end) {
  const char* lineFeed = static_cast<const char*>(std::memchr(next, '\n', static_cast<std::size_t>(end - next)));
  if (lineFeed == nullptr) lineFeed = end;
  std::string_view line(next, static_cast<std::size_t>(lineFeed - next));
  next = lineFeed + 1;
  if (line.ends_with('\r')) line.remove_suffix(1);
  const std::size_t tab = line.find('\t');
  const auto count = tab == std::string_view::npos ? std::nullopt : ParseCount(line.substr(tab + 1));
  if (tab == 0 || !count || tab > WordCounts::kMaxWordLength) return {};
  return CountsLine{line.substr(0, tab), *count, false};
}

}  // namespace

WordCounts WordCounts::FromContents(std::vector<char> contents) {
  WordCounts result;
  result.contents_ = std::move(contents);
  const char* next = result.contents_.data();
  const char* const end = next + result.contents_.size();
  // One pass counts the words and the damaged lines and tells whether the bytes can be searched.
  bool rising = true;
  std::string_view last;
  std::size_t words = 0;
  while (next < end) {
    const CountsLine line = ReadCountsLine(next, end);
    if (line.damaged) {
      ++result.damagedLines_;
      continue;
    }
    if (words > 0 && !(last < line.word)) rising = false;
    last = line.word;
    ++words;
  }
  result.wellFormed_ = rising && result.damagedLines_ == 0;
  if (result.wellFormed_) {
    result.size_ = words;
  } else {
    result.size_ = result.BuildTable();  // a word listed twice counts once
  }
  return result;
}

WordCounts WordCounts::FromCheckedContents(std::vector<char> contents, std::size_t words) {
  WordCounts result;
  result.contents_ = std::move(contents);
  result.wellFormed_ = true;
  result.size_ = words;
  return result;
}

std::size_t WordCounts::BuildTable() const {
  const char* const base = contents_.data();
  const char* next = base;
  const char* const end = next + contents_.size();

  // At least twice as many slots as lines (the last one perhaps without its LF) keeps the table
  // at most half full.
  const auto lines = static_cast<std::size_t>(std::count(next, end, '\n')) + 1;
  std::size_t capacity = 16;
  while (capacity < 2 * lines) capacity *= 2;
  slots_.assign(capacity, Slot{});
  shift_ = 64 - std::countr_zero(capacity);

  std::size_t size = 0;
  while (next < end) {
    const CountsLine line = ReadCountsLine(next, end);
    if (line.damaged) continue;
    const std::uint64_t hash = HashWord(line.word);
    Slot& slot = slots_[SlotOf(line.word, hash)];
    if (slot.length == 0) {
      slot.offset = static_cast<std::uint32_t>(line.word.data() - base);
      slot.length = static_cast<std::uint16_t>(line.word.size());
      slot.tag = static_cast<std::uint16_t>(hash);
      ++size;
    }
    slot.count = SaturatingSum(slot.count, line.count);
  }
  return size;
}

std::uint64_t WordCounts::SearchedCountOf(std::string_view word) const {
  const char* const base = contents_.data();
  std::size_t low = 0;  // always a line's start
  std::size_t high = contents_.size();
  while (low < high) {
    // The line that holds the middle byte, found from the line feed before it.
    std::size_t start = low + (high - low) / 2;
    while (start > low && base[start - 1] != '\n') --start;
    const char* next = base + start;
    const CountsLine line = ReadCountsLine(next, base + high);
    const int order = line.word.compare(word);
    if (order == 0) return line.count;
    if (order < 0) {
      low = static_cast<std::size_t>(next - base);
    } else {
      high = start;
    }
  }
  return 0;
}

std::size_t WordCounts::SlotOf(std::string_view word, std::uint64_t hash) const {
  const std::size_t mask = slots_.size() - 1;
  const auto tag = static_cast<std::uint16_t>(hash);
  for (std::size_t index = static_cast<std::size_t>(hash >> shift_);; index = (index + 1) & mask) {
    const Slot& slot = slots_[index];
    if (slot.length == 0) return index;
    if (slot.tag == tag && slot.length == word.size() &&
        std::memcmp(contents_.data() + slot.offset, word.data(), word.size()) == 0) {
      return index;
    }
  }
}

std::uint64_t WordCounts::CountOf(std::string_view word) const {
  if (contents_.empty() || word.empty() || word.size() > kMaxWordLength) return 0;
  if (slots_.empty()) {
    if (wellFormed_ && lookups_ < kSearchedLookups) {
      ++lookups_;
      return SearchedCountOf(word);
    }
    BuildTable();
  }
  return slots_[SlotOf(word, HashWord(word))].count;
}

namespace {

// Reads the regular file at `path` whole, when it has fewer than `limit` bytes. 0 when it did;
// ENOENT when there is no file there (or a path through a file, ENOTDIR); otherwise the errno of
// the failure: EISDIR for a folder, EINVAL for a FIFO or a device, EFBIG for `limit` bytes or more.
int ReadRegularFile(const std::string& path, std::uint64_t limit, std::vector<char>& contents) {
  int fd;
  do {
    fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) return errno == ENOTDIR ? ENOENT : errno;
  struct stat status {};
  int error = 0;
  if (::fstat(fd, &status) != 0) {
    error = errno;
  } else if (S_ISDIR(status.st_mode)) {
    error = EISDIR;
  } else if (!S_ISREG(status.st_mode)) {
    error = EINVAL;
  } else if (static_cast<std::uint64_t>(status.st_size) >= limit) {
    error = EFBIG;
  } else {
    error = ReadWhole(fd, static_cast<std::size_t>(status.st_size), contents);
    if (error == 0 && contents.size() >= limit) error = EFBIG;  // grew meanwhile
  }
  ::close(fd);
  return error;
}

}  // namespace

LoadedWordCounts LoadWordCounts(const std::string& path) {
  LoadedWordCounts loaded;
  std::vector<char> contents;
  // The table keeps 32-bit places; a real counts file is a few megabytes.
  const int error = ReadRegularFile(path, std::uint64_t{1} << 32, contents);
  if (error == ENOENT) return loaded;
  if (error != 0) {
    loaded.state = CountsFileState::kUnreadable;
    loaded.failure = std::strerror(error);
    return loaded;
  }
  loaded.state = CountsFileState::kRead;
  std::vector<char> check;
  if (ReadRegularFile(CountsCheckPath(path), 256, check) == 0) {
    if (const auto words = CheckedWords({check.data(), check.size()}, {contents.data(), contents.size()})) {
      loaded.counts = WordCounts::FromCheckedContents(std::move(contents), *words);
      return loaded;
    }
  }
  loaded.counts = WordCounts::FromContents(std::move(contents));
  return loaded;
}

}  // namespace kwintel
