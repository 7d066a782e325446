#include "counts_file_builder.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <utility>

namespace kwintel {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

void SkipBlanks(std::string_view& text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
}

// The whole number at the front of `text`, taken off it; nothing when there are no digits or
// more than 64 bits would hold.
std::optional<std::uint64_t> TakeNumber(std::string_view& text) {
  constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
  std::uint64_t value = 0;
  std::size_t digits = 0;
  while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') {
    const auto digit = static_cast<std::uint64_t>(text[digits] - '0');
    if (value > (kMax - digit) / 10) return std::nullopt;
    value = value * 10 + digit;
    ++digits;
  }
  if (digits == 0) return std::nullopt;
  text.remove_prefix(digits);
  return value;
}

}  // namespace

CountsFileBuilder::CountsFileBuilder(const WordLists& set) : set_(set) {
  for (int length = kMinWordLength; length <= kMaxWordLength; ++length) {
    counts_[LengthIndex(length)].assign(set.ForLength(length).size(), 0);
  }
}

void CountsFileBuilder::AddLine(std::string_view line) {
  if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

  SkipBlanks(line);
  const auto count = TakeNumber(line);
  // "12abc" is no number followed by a word.
  if (!count || line.empty() || !IsBlank(line.front())) {
    ++skippedLines_;
    return;
  }
  SkipBlanks(line);
  const std::size_t wordEnd = std::min(line.find(' '), line.find('\t'));
  const std::string_view form = line.substr(0, wordEnd);
  if (form.empty()) {
    ++skippedLines_;
    return;
  }

  const ListWord converted = ConvertListWord(form);
  if (converted.fault != ListWordFault::kNone) {
    ++droppedForms_;
    return;
  }
  const int length = FileLengthOf(converted.word.size());
  const std::vector<std::string>& words = set_.ForLength(length);
  const auto place = std::lower_bound(words.begin(), words.end(), converted.word);
  if (place == words.end() || *place != converted.word) {
    ++droppedForms_;
    return;
  }
  std::uint64_t& total = counts_[LengthIndex(length)][static_cast<std::size_t>(place - words.begin())];
  // A sum past 64 bits stays at the largest count rather than wrap to a small one.
  total = total > std::numeric_limits<std::uint64_t>::max() - *count ? std::numeric_limits<std::uint64_t>::max()
                                                                     : total + *count;
}

std::size_t CountsFileBuilder::CountedWords() const {
  std::size_t counted = 0;
  for (const auto& counts : counts_) {
    counted += static_cast<std::size_t>(
        std::count_if(counts.begin(), counts.end(), [](std::uint64_t count) { return count > 0; }));
  }
  return counted;
}

std::string CountsFileBuilder::Contents() const {
  std::vector<std::pair<std::string_view, std::uint64_t>> lines;
  lines.reserve(CountedWords());
  for (int length = kMinWordLength; length <= kMaxWordLength; ++length) {
    const std::vector<std::string>& words = set_.ForLength(length);
    const std::vector<std::uint64_t>& counts = counts_[LengthIndex(length)];
    for (std::size_t i = 0; i < words.size(); ++i) {
      if (counts[i] > 0) lines.emplace_back(words[i], counts[i]);
    }
  }
  // Each length is sorted already, but the file is sorted across all lengths. string_view
  // compares through char_traits<char>, which orders by unsigned byte value.
  std::sort(lines.begin(), lines.end());
  std::string contents;
  for (const auto& [word, count] : lines) {
    contents += word;
    contents += '\t';
    contents += std::to_string(count);
    contents += '\n';
  }
  return contents;
}

CountsFileBuilder BuildCountsFile(std::istream& countsList, const WordLists& set) {
  CountsFileBuilder builder(set);
  std::string line;
  bool first = true;
  while (std::getline(countsList, line)) {
    std::string_view text = line;
    if (first && text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    first = false;
    builder.AddLine(text);
  }
  return builder;
}

}  // namespace kwintel
