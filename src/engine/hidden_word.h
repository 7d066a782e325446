#pragma once
// "Verborgen": plain words hidden in the letters of a clue, forwards or read backwards.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kwintel {

// Where each pair of letters starts in a string of letters A-Z (a q-gram index with q = 2): a word
// is compared only at the places where its first two letters stand, instead of searched for
// along the whole string. Over all 400,000 words and a clue of 80 letters the matching takes
// some 3 ms of CPU instead of the 13 ms of two substring searches per word, which kept the whole
// search above its goal of 10 ms.
class LetterPairIndex {
 public:
  LetterPairIndex() = default;
  explicit LetterPairIndex(std::string_view letters);

  // Whether `word` (2 bytes at least) is a run of consecutive letters of the indexed string.
  bool Contains(std::string_view word) const;

 private:
  std::string letters_;
  // The starts of pair p are starts_[first_[p] .. first_[p + 1]), p = 26 * first + second letter.
  std::array<std::uint16_t, 26 * 26 + 1> first_{};
  std::basic_string<std::uint16_t> starts_;
};

// A clue prepared for the search: its hidden string S and the word lengths worth reading.
struct HiddenWordPattern {
  std::string letters;        // S: the clue's letters A-Z, in order, nothing else
  LetterPairIndex forwards;   // of S
  LetterPairIndex backwards;  // of S read backwards
  int minLength = 2;          // word files to read: 2 .. min(|S|, 19), 19 being the "19+" file
  int maxLength = 2;
};

// S from a clue of any text: its letters after upper-casing a-z, in order; blanks, punctuation,
// digits and accented letters are dropped. Nothing (refused) when S has fewer than 2 letters.
std::optional<HiddenWordPattern> PrepareHiddenWord(std::string_view clue);

enum class HiddenWordFind { None, Forwards, Backwards };

// Where a word is hidden in S: Forwards when it is a run of consecutive letters of S; else
// Backwards when the word read backwards is; else None, as for every word that is not a plain
// word. Cost: a compare at each place of S (and of S backwards) where its first two letters stand.
HiddenWordFind FindHiddenWord(const HiddenWordPattern& pattern, std::string_view word);

// Appended to the word of a line found Backwards, as in «DOOR <».
inline constexpr std::string_view kBackwardsMark = " <";

// Whether a line's text (length prefix stripped, upper-cased) is of this type's own form «WORD <»
// with WORD read backwards in S: so narrowing a list of these results keeps its backwards finds.
bool IsBackwardsLine(const HiddenWordPattern& pattern, std::string_view text);

}  // namespace kwintel
