#pragma once
// Result lines: how a found word becomes the text of a line. Shared by the search over word files
// and the narrowing.

#include <string>
#include <string_view>

#include "engine/search_type.h"
#include "engine/verdict.h"

namespace kwintel {

// Replaces `line` with the line of a found word: the word; then, when the verdict has a remainder,
// its decoration for the type (Anagram: " - " remainder; Subset: " + " remainder; Anagram-1:
// " - " remainder " + " the remainder with its first letter replaced by the missing letter), « <»
// for a word found backwards, " SCORE" for Wordfeud and Scrabble; the whole of it in small letters
// when `upperCase` is off. Of any length; allocates only when `line` must grow.
void BuildResultLine(SearchType type, std::string_view word, const Verdict& verdict, bool upperCase, std::string& line);

// The text of a found word's line: `word` itself when BuildResultLine would leave it as it is (no
// decoration, capitals shown), else that line built in `buffer`. Spares the copy for most lines.
std::string_view ResultLineText(SearchType type, std::string_view word, const Verdict& verdict, bool upperCase,
                                std::string& buffer);

// The number "Met lengte" shows for a line of `word`: its length, for "Meerwoord" the number of
// its letters (blanks not counted).
int ShownLength(SearchType type, std::string_view word);

// The word of a line a narrowing keeps, which "Met lengte" counts: the line without the « <» of a
// backwards find, without the score of a Wordfeud or Scrabble line «WORD SCORE».
std::string_view LineWord(SearchType type, std::string_view line, const Verdict& verdict);

// Whether a line holds "IJ" or "ij", which the IJ rule drops.
bool HoldsIj(std::string_view text);

// `buffer` set to the length prefix "%2d. " and `text` after it. `text` must not view `buffer`.
std::string_view WithLengthPrefix(int length, std::string_view text, std::string& buffer);

}  // namespace kwintel
