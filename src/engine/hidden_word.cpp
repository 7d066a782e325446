#include "engine/hidden_word.h"

#include <algorithm>

#include "engine/plain_word.h"
#include "text/text_encoding.h"

namespace kwintel {

namespace {

// The pair index of two letters A-Z, or -1 when either byte is no such letter.
int PairOf(char first, char second) {
  if (first < 'A' || first > 'Z' || second < 'A' || second > 'Z') return -1;
  return (first - 'A') * 26 + (second - 'A');
}

}  // namespace

LetterPairIndex::LetterPairIndex(std::string_view letters) : letters_(letters) {
  // Counting sort of the starts by their pair: counts, running sums, then the starts in order.
  std::array<std::uint16_t, 26 * 26 + 1> next{};
  for (std::size_t i = 0; i + 1 < letters_.size(); ++i) {
    ++first_[static_cast<std::size_t>(PairOf(letters_[i], letters_[i + 1])) + 1];
  }
  for (std::size_t p = 1; p < first_.size(); ++p) {
    first_[p] = static_cast<std::uint16_t>(first_[p] + first_[p - 1]);
  }
  next = first_;
  starts_.resize(letters_.size() < 2 ? 0 : letters_.size() - 1);
  for (std::size_t i = 0; i + 1 < letters_.size(); ++i) {
    starts_[next[static_cast<std::size_t>(PairOf(letters_[i], letters_[i + 1]))]++] = static_cast<std::uint16_t>(i);
  }
}

bool LetterPairIndex::Contains(std::string_view word) const {
  const int pair = PairOf(word[0], word[1]);
  if (pair < 0) return false;
  const auto p = static_cast<std::size_t>(pair);
  for (std::size_t k = first_[p]; k < first_[p + 1]; ++k) {
    const std::size_t start = starts_[k];
    if (start + word.size() > letters_.size()) return false;  // later starts lie further on
    if (std::string_view(letters_).substr(start + 2, word.size() - 2) == word.substr(2)) return true;
  }
  return false;
}

std::optional<HiddenWordPattern> PrepareHiddenWord(std::string_view clue) {
  HiddenWordPattern pattern;
  for (const char c : clue) {
    const char upper = AsciiUpper(c);
    if (upper >= 'A' && upper <= 'Z') pattern.letters.push_back(upper);
  }
  if (pattern.letters.size() < 2) return std::nullopt;
  const std::string reversed(pattern.letters.rbegin(), pattern.letters.rend());
  pattern.forwards = LetterPairIndex(pattern.letters);
  pattern.backwards = LetterPairIndex(reversed);
  // A clue of at most 299 characters keeps the size far from int's range.
  pattern.maxLength = static_cast<int>(std::min<std::size_t>(pattern.letters.size(), 19));
  return pattern;
}

HiddenWordFind FindHiddenWord(const HiddenWordPattern& pattern, std::string_view word) {
  // S holds only A-Z, so a word found in it is a plain word without a test of its own.
  if (word.empty() || word.size() > pattern.letters.size()) return HiddenWordFind::None;
  if (word.size() == 1) {
    const bool found = IsPlainWord(word) && pattern.letters.find(word[0]) != std::string::npos;
    return found ? HiddenWordFind::Forwards : HiddenWordFind::None;
  }
  if (pattern.forwards.Contains(word)) return HiddenWordFind::Forwards;
  // The word read backwards lies in S exactly when the word lies in S read backwards.
  if (pattern.backwards.Contains(word)) return HiddenWordFind::Backwards;
  return HiddenWordFind::None;
}

bool IsBackwardsLine(const HiddenWordPattern& pattern, std::string_view text) {
  if (!text.ends_with(kBackwardsMark)) return false;
  const std::string_view word = text.substr(0, text.size() - kBackwardsMark.size());
  return word.size() >= 2 && word.size() <= pattern.letters.size() && pattern.backwards.Contains(word);
}

}  // namespace kwintel
