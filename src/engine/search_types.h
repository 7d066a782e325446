#pragma once
// The search types as the rest of the program meets them: value, radio, caption (which is also
// kwintel-cli's name for the type) and whether the type's lines carry a remainder. The form, the
// dialog template, kwintel-cli and the tests all read this one table.

#include <array>
#include <string_view>

#include "engine/engine_types.h"
#include "ports/control_ids.h"

namespace kwintel {

struct SearchTypeEntry {
  SearchType type;
  int radioId;
  std::string_view caption;
  bool decorates;  // a found word's line may carry " - " / " + " and the leftover letters
};

// In the order of the radios in their group (the group positions).
inline constexpr std::array<SearchTypeEntry, 10> kSearchTypes = {{
    {SearchType::Sequence, ids::kVolgorde, "Volgorde", false},
    {SearchType::Frequency, ids::kFrequentie, "Frequentie", false},
    {SearchType::Anagram, ids::kAnagram, "Anagram", true},
    {SearchType::AnagramMinusOne, ids::kAnagramMinusOne, "Anagram-1", true},
    {SearchType::Stack, ids::kStapel, "Stapel", false},
    {SearchType::Set, ids::kSet, "Set", false},
    {SearchType::Product, ids::kProduct, "Product", false},
    {SearchType::Subset, ids::kSubset, "Subset", true},
    {SearchType::Sum, ids::kSom, "Som", false},
    {SearchType::Telephone, ids::kTelefoon, "Telefoon", false},
}};

// The radio ids in group order.
inline constexpr std::array<int, kSearchTypes.size()> kSearchTypeRadios = [] {
  std::array<int, kSearchTypes.size()> radios{};
  for (std::size_t i = 0; i < kSearchTypes.size(); ++i) radios[i] = kSearchTypes[i].radioId;
  return radios;
}();

// The entry of a type value, or null for a value that is no search type.
constexpr const SearchTypeEntry* FindSearchType(SearchType type) {
  for (const SearchTypeEntry& entry : kSearchTypes) {
    if (entry.type == type) return &entry;
  }
  return nullptr;
}

// The caption of a search-type radio (empty for another id).
constexpr std::string_view SearchTypeCaption(int radioId) {
  for (const SearchTypeEntry& entry : kSearchTypes) {
    if (entry.radioId == radioId) return entry.caption;
  }
  return {};
}

}  // namespace kwintel
