#pragma once
// What the sequence matcher works out once per '*' of a pattern, rather than at every word: the
// shape of the pattern after the '*' (its "rest"), and the sets of characters its first elements
// accept. Internal to the sequence matcher.

#include <cstdint>
#include <string>
#include <vector>

namespace kwintel {

// The sequence matcher's word ends at its first byte that is below 32 read as signed: NUL, a
// control byte, or any byte of 128 and above. A space belongs to the word.
inline bool IsSequenceWordEnd(char c) { return static_cast<signed char>(c) < 32; }

// A set of word characters (32..127) as bits.
struct SequenceCharacterSet {
  std::uint64_t bits[2] = {0, 0};

  bool operator==(const SequenceCharacterSet&) const = default;

  // c must be a word character (32..127).
  bool Has(char c) const {
    const auto index = static_cast<unsigned char>(c);
    return (bits[index >> 6] >> (index & 63)) & 1;
  }
  constexpr void Add(char c) {
    const auto index = static_cast<unsigned char>(c);
    if (index >= 32 && index < 128) bits[index >> 6] |= std::uint64_t{1} << (index & 63);
  }
  constexpr void Remove(char c) {
    const auto index = static_cast<unsigned char>(c);
    if (index < 128) bits[index >> 6] &= ~(std::uint64_t{1} << (index & 63));
  }
  static constexpr SequenceCharacterSet Of(const char* characters) {
    SequenceCharacterSet set;
    for (; *characters; ++characters) set.Add(*characters);
    return set;
  }
  static constexpr SequenceCharacterSet AllWordCharacters() {
    SequenceCharacterSet set;
    set.bits[0] = ~std::uint64_t{0} << 32;
    set.bits[1] = ~std::uint64_t{0};
    return set;
  }
};

inline constexpr SequenceCharacterSet kSequenceVowels = SequenceCharacterSet::Of("AEIOU");
// Y is neither vowel nor consonant.
inline constexpr SequenceCharacterSet kSequenceConsonants =
    SequenceCharacterSet::Of("BCDFGHJKLMNPQRSTVWXZ");

// The pattern position just past the class that opens at `p` ('[' or '{'); a class left open
// (which prepared patterns never have) ends at the pattern's end.
inline const char* SkipSequenceClass(const char* p) {
  const char closer = *p == '[' ? ']' : '}';
  ++p;
  while (*p != '\0' && *p != closer) ++p;
  return *p == '\0' ? p : p + 1;
}

// The word characters the element at p accepts, or false for an element that has none (a letter
// variable, a binding mark, '*', the end).
bool SequenceElementSet(const char* p, SequenceCharacterSet& set);

// Masks over the packed letter variables (amp | dollar << 8 | caret << 16).
inline constexpr std::uint32_t kAmpVariableByte = 0xFF;
inline constexpr std::uint32_t kDollarVariableByte = 0xFF00;
inline constexpr std::uint32_t kCaretVariableByte = 0xFF0000;

// The rest of a pattern after one of its '*'.
struct RunPlan {
  static constexpr int kMaxLeading = 4;

  bool recurses = false;       // holds a '*' with something after it
  bool hasRun = false;         // holds any '*', the last character included
  bool binds = false;          // holds a binding mark
  int elements = 0;            // characters it takes from the word when it has no run
  std::uint32_t variables = 0; // the letter variables it reads or writes (packed-byte mask)
  // Its leading elements whose verdict on a character cannot change while the run tries its
  // starts: all but letter variables (a failed start may rebind them) and '*'. Such elements
  // bind nothing, so a start that fails one of them would make a call that changes nothing.
  int leadingCount = 0;
  char leadingSingle = 0;  // the first of them when it is one character (a letter, '@'), else 0
  SequenceCharacterSet leading[kMaxLeading];
};

// Works out the plan of the rest that begins at `rest` (the character after a '*').
RunPlan PlanRun(const char* rest);

// The plans of the current pattern, one per '*', each worked out on its first use. The pattern
// is compared with the one the plans belong to once per word, at the word's first run; a new
// pattern drops them all.
class SequenceRunPlans {
 public:
  void BeginWord() { checked_ = false; }

  // The plan of the run at `star`, a '*' of `pattern` (the text the word is matched against).
  const RunPlan& PlanOf(const char* pattern, const char* star) {
    if (!checked_) Check(pattern);
    Slot& slot = slots_[static_cast<std::size_t>(star - pattern)];
    if (!slot.ready) Prepare(slot, star);
    return slot.plan;
  }

 private:
  struct Slot {
    bool ready = false;
    RunPlan plan;
  };
  void Check(const char* pattern);
  static void Prepare(Slot& slot, const char* star);

  bool checked_ = false;
  std::string pattern_;      // the pattern the plans belong to
  std::vector<Slot> slots_;  // by the offset of the '*' in pattern_
};

}  // namespace kwintel
