#include "engine/word_counts.h"

#include <sys/mman.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <limits>
#include <optional>

#include "engine/byte_mask.h"
#include "engine/counts_check.h"
#include "engine/regular_file.h"

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

// The first eight bytes of `word` (fewer, then zeros after them) as a number whose order is their
// byte order: two words of one length compare as these numbers do, unless those are equal.
std::uint64_t LeadingKey(std::string_view word) {
  std::uint64_t key = 0;
  std::memcpy(&key, word.data(), std::min<std::size_t>(word.size(), 8));
  if constexpr (std::endian::native == std::endian::little) key = __builtin_bswap64(key);
  return key;
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
  result.owned_ = std::move(contents);
  result.ReadLines();
  return result;
}

void WordCounts::ReadLines() {
  // One pass reads the good lines, counts the damaged ones and tells whether the bytes are
  // well-formed already.
  std::vector<CountsLine> lines;
  const char* next = Contents().data();
  const char* const end = next + Contents().size();
  bool rising = true;
  while (next < end) {
    const CountsLine line = ReadCountsLine(next, end);
    if (line.damaged) {
      ++damagedLines_;
      continue;
    }
    if (!lines.empty() && !(lines.back().word < line.word)) rising = false;
    lines.push_back(line);
  }
  fileWellFormed_ = rising && damagedLines_ == 0;
  if (fileWellFormed_) {
    size_ = lines.size();
    return;
  }
  // The good lines in order of their words; equal words follow each other and add up.
  std::stable_sort(lines.begin(), lines.end(),
                   [](const CountsLine& a, const CountsLine& b) { return a.word < b.word; });
  std::vector<char> rewritten;
  rewritten.reserve(Contents().size());
  for (std::size_t i = 0; i < lines.size();) {
    std::uint64_t count = 0;
    std::size_t same = i;
    for (; same < lines.size() && lines[same].word == lines[i].word; ++same) {
      count = SaturatingSum(count, lines[same].count);
    }
    const std::string countText = std::to_string(count);
    rewritten.insert(rewritten.end(), lines[i].word.begin(), lines[i].word.end());
    rewritten.push_back('\t');
    rewritten.insert(rewritten.end(), countText.begin(), countText.end());
    rewritten.push_back('\n');
    ++size_;
    i = same;
  }
  owned_ = std::move(rewritten);
  mapping_ = Mapping();
}

WordCounts::Mapping::~Mapping() {
  if (address_ != nullptr) ::munmap(address_, size_);
}

void WordCounts::Mapping::Swap(Mapping& other) noexcept {
  std::swap(address_, other.address_);
  std::swap(size_, other.size_);
}

void WordCounts::BuildRuns() const {
  const std::string_view bytes = Contents();
  // Well-formed: every line has its tab, and its few digits follow it up to the line feed, so the
  // tabs and line feeds alternate, each tab ending a word and each line feed its line. They are
  // found 64 bytes at a time; a byte-by-byte walk took three times as long. One of them where the
  // other is due, which only a check file forged for other bytes can lead to, is passed over.
  std::size_t lineStart = 0;
  bool inWord = true;
  char last[kByteMaskBytes];
  for (std::size_t block = 0; block < bytes.size(); block += kByteMaskBytes) {
    const char* chunk = bytes.data() + block;
    if (bytes.size() - block < kByteMaskBytes) {
      // The last block, padded: no byte past the file's end may be read.
      std::memset(last, 0, sizeof last);
      std::memcpy(last, chunk, bytes.size() - block);
      chunk = last;
    }
    const std::uint64_t tabs = ByteMask64(chunk, '\t');
    for (std::uint64_t marks = tabs | ByteMask64(chunk, '\n'); marks != 0; marks &= marks - 1) {
      const int bit = std::countr_zero(marks);
      const std::size_t at = block + static_cast<std::size_t>(bit);
      const bool tab = ((tabs >> bit) & 1) != 0;
      if (tab != inWord) continue;
      if (inWord) {
        const std::size_t length = at - lineStart;
        if (length <= kMaxWordLength) {  // a longer one is no word (CountOf never asks)
          if (length >= runs_.size()) runs_.resize(length + 1);
          runs_[length].keys.push_back(LeadingKey(bytes.substr(lineStart, length)));
          runs_[length].lines.push_back(static_cast<std::uint32_t>(lineStart));
        }
      } else {
        lineStart = at + 1;
      }
      inWord = !inWord;
    }
  }
}

std::uint64_t WordCounts::SearchedCountOf(std::string_view word) const {
  const char* const base = Contents().data();
  std::size_t low = 0;  // always a line's start
  std::size_t high = Contents().size();
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

std::uint64_t WordCounts::RunCountOf(std::string_view word) const {
  if (word.size() >= runs_.size()) return 0;
  LengthRun& run = runs_[word.size()];
  const char* const base = Contents().data();
  const std::uint64_t key = LeadingKey(word);
  // Whether the word at `at` in the run comes before `word`, or is it: all words of a run have the
  // length of `word`, so their keys order them unless they are equal, and then the bytes after
  // the first eight.
  const auto tailOrder = [&](std::size_t at) {
    return word.size() > 8 ? std::memcmp(base + run.lines[at] + 8, word.data() + 8, word.size() - 8) : 0;
  };
  const auto before = [&](std::size_t at) { return run.keys[at] != key ? run.keys[at] < key : tailOrder(at) < 0; };
  std::size_t low = 0;
  std::size_t high = run.lines.size();
  if (run.next < high) {
    if (before(run.next)) {
      // Galloping: steps of 1, 2, 4 ... lines from the previous end, until a word is no longer
      // smaller; the binary search then covers only the last step.
      low = run.next + 1;
      for (std::size_t step = 1; low + step - 1 < high; step *= 2) {
        const std::size_t probe = low + step - 1;
        if (!before(probe)) {
          high = probe + 1;
          break;
        }
        low = probe + 1;
      }
    } else {
      high = run.next + 1;
    }
  }
  while (low < high) {
    const std::size_t middle = low + (high - low) / 2;
    if (before(middle)) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  run.next = low;
  if (low == run.lines.size() || run.keys[low] != key || tailOrder(low) != 0) return 0;
  const char* next = base + run.lines[low];
  return ReadCountsLine(next, base + Contents().size()).count;
}

std::uint64_t WordCounts::CountOf(std::string_view word) const {
  if (Contents().empty() || word.empty() || word.size() > kMaxWordLength) return 0;
  if (runs_.empty()) {
    if (lookups_ < kSearchedLookups) {
      ++lookups_;
      return SearchedCountOf(word);
    }
    BuildRuns();
  }
  return RunCountOf(word);
}

LoadedWordCounts LoadWordCounts(const std::string& path, CountsReading reading) {
  LoadedWordCounts loaded;
  WordCounts& counts = loaded.counts;
  // The runs keep 32-bit places; a real counts file is a few megabytes.
  constexpr std::uint64_t kLimit = std::uint64_t{1} << 32;
  const int error = WithRegularFile(path, kLimit, [&](int fd, std::size_t size) {
    if (reading == CountsReading::kMap && size > 0) {
      void* const address = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
      if (address != MAP_FAILED) {
        counts.mapping_ = WordCounts::Mapping(address, size);
        return 0;
      }
      // A file system that cannot map the file: it is read instead.
    }
    const int readError = ReadWhole(fd, size, counts.owned_);
    return readError == 0 && counts.owned_.size() >= kLimit ? EFBIG : readError;  // grown meanwhile
  });
  if (error != 0) {
    counts = WordCounts();
    if (error == ENOENT) return loaded;
    loaded.state = CountsFileState::kUnreadable;
    loaded.failure = std::strerror(error);
    return loaded;
  }
  loaded.state = CountsFileState::kRead;
  std::vector<char> check;
  const bool checkRead = WithRegularFile(CountsCheckPath(path), 256,
                                         [&](int fd, std::size_t size) { return ReadWhole(fd, size, check); }) == 0;
  const auto words = checkRead ? CheckedWords({check.data(), check.size()}, counts.Contents()) : std::nullopt;
  if (words) {
    counts.fileWellFormed_ = true;
    counts.size_ = *words;
  } else {
    counts.ReadLines();
  }
  return loaded;
}

}  // namespace kwintel
