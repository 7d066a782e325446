#pragma once
// The search types as every layer meets them: the value, the caption (which is also kwintel-cli's
// name for the type) and what a found word's line carries besides the word. The word
// lengths the word files are cut by.

#include <array>
#include <cstddef>
#include <string_view>

namespace kwintel {

// The values are fixed: they are not the places of the radios in their group.
enum class SearchType : int {
  Sequence = 0,
  Anagram = 1,
  Set = 2,
  Subset = 3,
  Frequency = 4,
  Stack = 5,
  Product = 6,
  Sum = 7,
  AnagramMinusOne = 8,
  Telephone = 9,
  MultiWordAnagram = 10,
  HiddenWord = 11,
  Misprint = 12,
  Rhyme = 13,
  HalfRhyme = 14,
  SoundsLike = 15,
  Wordfeud = 16,
  Scrabble = 17,
  Lingo = 18,
};

inline constexpr int kMinWordLength = 2;
inline constexpr int kMaxWordLength = 19;  // the file of 19 holds every word of 19 or more
inline constexpr std::size_t kMaxPatternLength = 299;

// Which word lengths 2 .. 19 a search reads: lengths[LengthIndex(L)].
using Lengths = std::array<bool, kMaxWordLength - kMinWordLength + 1>;
constexpr std::size_t LengthIndex(int length) { return static_cast<std::size_t>(length - kMinWordLength); }
inline constexpr Lengths kAllLengths = [] {
  Lengths all{};
  all.fill(true);
  return all;
}();

struct SearchTypeEntry {
  SearchType type;
  std::string_view caption;
  bool decorates;  // a found word's line may carry " - " / " + " and the leftover letters
};

// In the order of the radios in their group.
inline constexpr std::array<SearchTypeEntry, 19> kSearchTypes = {{
    {SearchType::Sequence, "Volgorde", false},
    {SearchType::Frequency, "Frequentie", false},
    {SearchType::Anagram, "Anagram", true},
    {SearchType::AnagramMinusOne, "Anagram-1", true},
    {SearchType::Stack, "Stapel", false},
    {SearchType::Set, "Set", false},
    {SearchType::Product, "Product", false},
    {SearchType::Subset, "Subset", true},
    {SearchType::Sum, "Som", false},
    {SearchType::Telephone, "Telefoon", false},
    {SearchType::MultiWordAnagram, "Meerwoord", false},
    {SearchType::HiddenWord, "Verborgen", false},
    {SearchType::Misprint, "Drukfout", false},
    {SearchType::Rhyme, "Rijm", false},
    {SearchType::HalfRhyme, "Halfrijm", false},
    {SearchType::SoundsLike, "Klinkt als", false},
    {SearchType::Wordfeud, "Wordfeud", false},
    {SearchType::Scrabble, "Scrabble", false},
    {SearchType::Lingo, "Lingo", false},
}};

// Whether a type compares words by their sound, from the set's sound file.
constexpr bool IsSoundType(SearchType type) {
  return type == SearchType::Rhyme || type == SearchType::HalfRhyme || type == SearchType::SoundsLike;
}

// Whether a type's lines carry a score and come best score first: the word games with tiles.
constexpr bool IsScored(SearchType type) { return type == SearchType::Wordfeud || type == SearchType::Scrabble; }

// The entry of a type value, or null for a value that is no search type.
constexpr const SearchTypeEntry* FindSearchType(SearchType type) {
  for (const SearchTypeEntry& entry : kSearchTypes) {
    if (entry.type == type) return &entry;
  }
  return nullptr;
}

}  // namespace kwintel
