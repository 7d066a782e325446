#pragma once
// Result lines: how a found word becomes the text of a line. Shared by the search over word files
// and the narrowing.

#include <optional>
#include <string>
#include <string_view>

#include "engine/engine_types.h"
#include "engine/search_types.h"

namespace kwintel {

// Replaces `line` with the line of a found word: the word; then, when matchState.remainder is not
// empty, its decoration for the type (Anagram: " - " remainder; Subset: " + " remainder;
// Anagram-1: " - " remainder " + " the remainder with its first letter replaced by
// matchState.missingLetter); the whole of it in small letters when `upperCase` is off. Of any
// length; allocates only when `line` must grow.
void BuildResultLine(SearchType type, std::string_view word, bool upperCase, std::string& line);

// Whether a found word's line carries the remainder: only these types decorate, and only with a
// remainder left.
inline bool DecoratedResultLine(SearchType type) {
  if (matchState.remainder.empty()) return false;
  const SearchTypeEntry* entry = FindSearchType(type);
  return entry != nullptr && entry->decorates;
}

// The text of a found word's line: `word` itself when BuildResultLine would leave it as it is (no
// decoration, capitals shown), else that line built in `buffer`. Spares the copy for most lines;
// inline, as a search asks at every found word.
inline std::string_view ResultLineText(SearchType type, std::string_view word, bool upperCase, std::string& buffer) {
  if (upperCase && !DecoratedResultLine(type)) return word;
  BuildResultLine(type, word, upperCase, buffer);
  return buffer;
}

// Whether a line holds "IJ" or "ij", which the IJ rule drops.
bool HoldsIj(std::string_view text);

// `buffer` set to the length prefix "%2d. " and `text` after it. `text` must not view `buffer`.
std::string_view WithLengthPrefix(int length, std::string_view text, std::string& buffer);

}  // namespace kwintel
