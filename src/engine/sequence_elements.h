#pragma once
// The elements of a sequence pattern as sets of word characters: what "." "?" "/" "\\" "@",
// the classes and a plain character accept. Shared by the sequence matchers and the misprint type.

#include <cstdint>

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
inline constexpr SequenceCharacterSet kSequenceConsonants = SequenceCharacterSet::Of("BCDFGHJKLMNPQRSTVWXZ");

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

}  // namespace kwintel
