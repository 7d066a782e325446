#include "engine/word_counts.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <optional>

#include "engine/regular_file.h"

namespace kwintel {
namespace {

constexpr std::uint64_t kMaxCount = std::numeric_limits<std::uint64_t>::max();

// The order of the entries: shorter words first, words of one length in byte order, as the word
// files list them one length at a time, their words packed in that order too (FromContents). A
// scan's look-ups of one length so stay close together in memory: Gangbaar «*EN» at a maximum of
// 15000 in process took 2.4-2.7 times a plain «*EN» with the entries in byte order, 1.6-1.8 times
// so (the goal: at most twice). Negative, 0 or positive as `a` comes before, is or comes after `b`.
int Order(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  return a.compare(b);
}
bool Before(std::string_view a, std::string_view b) { return Order(a, b) < 0; }

// The count of a line: digits only, at least one, and no more than 64 bits hold.
std::optional<std::uint64_t> ParseCount(std::string_view digits) {
  if (digits.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    const auto digit = static_cast<std::uint64_t>(c - '0');
    if (value > (kMaxCount - digit) / 10) return std::nullopt;
    value = value * 10 + digit;
  }
  return value;
}

}  // namespace

WordCounts WordCounts::FromContents(std::vector<char> contents) {
  WordCounts result;
  const std::string_view bytes(contents.data(), contents.size());
  std::vector<Entry> entries;
  bool rising = true;
  for (std::size_t next = 0; next < bytes.size();) {
    const std::size_t lineFeed = std::min(bytes.find('\n', next), bytes.size());
    std::string_view line = bytes.substr(next, lineFeed - next);
    next = lineFeed + 1;
    if (line.ends_with('\r')) line.remove_suffix(1);
    const std::size_t tab = line.find('\t');
    const auto count = tab == std::string_view::npos ? std::nullopt : ParseCount(line.substr(tab + 1));
    if (tab == 0 || !count) {
      ++result.damagedLines_;
      continue;
    }
    const std::string_view word = line.substr(0, tab);
    if (!entries.empty() && !(entries.back().word < word)) rising = false;
    entries.push_back({word, *count});
  }
  if (rising) {
    // In byte order, each word once, as kwintel-mkwords writes it: only the lengths are sorted
    // out, stably, so that each length keeps its byte order.
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.word.size() < b.word.size(); });
  } else {
    // Out of order or listed twice: equal words follow each other once sorted, and add up.
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& x, const Entry& y) { return Before(x.word, y.word); });
    std::size_t kept = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
      if (kept > 0 && entries[kept - 1].word == entries[i].word) {
        std::uint64_t& sum = entries[kept - 1].count;
        sum = sum > kMaxCount - entries[i].count ? kMaxCount : sum + entries[i].count;
      } else {
        entries[kept++] = entries[i];
      }
    }
    entries.resize(kept);
  }
  // The words one after the other in the entries' order, so that neighbouring entries' words
  // are neighbours in memory too.
  std::size_t size = 0;
  for (const Entry& entry : entries) size += entry.word.size();
  result.words_.resize(size);
  char* at = result.words_.data();
  for (Entry& entry : entries) {
    std::copy(entry.word.begin(), entry.word.end(), at);
    entry.word = std::string_view(at, entry.word.size());
    at += entry.word.size();
  }
  result.entries_ = std::move(entries);
  return result;
}

std::uint64_t WordCounts::CountOf(std::string_view word) const {
  const auto found =
      std::lower_bound(entries_.begin(), entries_.end(), word,
                       [](const Entry& entry, std::string_view wanted) { return Before(entry.word, wanted); });
  return found != entries_.end() && found->word == word ? found->count : 0;
}

std::uint64_t WordCounts::Cursor::CountOf(std::string_view word) {
  const std::vector<Entry>& entries = counts_.entries_;
  // The first entry not before `word` lies in [low, high]; high itself when none in [low, high) is.
  std::size_t low = 0;
  std::size_t high = entries.size();
  // next_ is the first entry not before the last word asked, so every entry before it comes before
  // that word; when the one just before it also comes before this word, so do all of them.
  if (next_ > 0 && Order(entries[next_ - 1].word, word) < 0) {
    low = next_;
    for (std::size_t step = 1; low < high; step *= 2) {
      const std::size_t probe = std::min(low + step, high) - 1;
      const int order = Order(entries[probe].word, word);
      if (order == 0) {
        next_ = probe;
        return entries[probe].count;
      }
      if (order > 0) {
        high = probe;
        break;
      }
      low = probe + 1;
    }
  }
  const auto found = std::lower_bound(
      entries.begin() + static_cast<std::ptrdiff_t>(low), entries.begin() + static_cast<std::ptrdiff_t>(high), word,
      [](const Entry& entry, std::string_view wanted) { return Before(entry.word, wanted); });
  next_ = static_cast<std::size_t>(found - entries.begin());
  return found != entries.end() && found->word == word ? found->count : 0;
}

LoadedWordCounts LoadWordCounts(const std::string& path) {
  LoadedWordCounts loaded;
  std::vector<char> contents;
  // A real counts file is a few megabytes; one of 4 GiB or more is none.
  constexpr std::uint64_t kLimit = std::uint64_t{1} << 32;
  const int error =
      WithRegularFile(path, kLimit, [&](int fd, std::size_t size) { return ReadWhole(fd, size, contents); });
  if (error == ENOENT) return loaded;
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
