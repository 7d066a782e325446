#pragma once
// Result lines: how a found word becomes the text of a line, and how a line joins the list. Shared
// by the search over word files and the narrowing.

#include <optional>
#include <string>
#include <string_view>

#include "engine/engine_types.h"
#include "results/result_state.h"
#include "shell/main_dialog.h"

namespace kwintel {

// Replaces `line` with the line of a found word: the word; then, when matchState.remainder is not
// empty, its decoration for the type (Anagram: " - " remainder; Subset: " + " remainder;
// Anagram-1: " - " remainder " + " the remainder with its first letter replaced by
// matchState.missingLetter); the whole of it in small letters when upperCaseMode is off. Of any
// length; allocates only when `line` must grow.
void BuildResultLine(SearchType type, std::string_view word, std::string& line);

// Whether a found word's line carries the remainder: only these types decorate, and only with a
// remainder left.
inline bool DecoratedResultLine(SearchType type) {
  return !matchState.remainder.empty() &&
         (type == SearchType::Anagram || type == SearchType::Subset || type == SearchType::AnagramMinusOne);
}

// The text of a found word's line: `word` itself when BuildResultLine would leave it as it is (no
// decoration, capitals shown), else that line built in `buffer`. Spares the copy for most lines;
// inline, as a search asks at every found word.
inline std::string_view ResultLineText(SearchType type, std::string_view word, std::string& buffer) {
  if (upperCaseMode && !DecoratedResultLine(type)) return word;
  BuildResultLine(type, word, buffer);
  return buffer;
}

// Whether a line holds "IJ" or "ij", which the IJ rule drops.
bool HoldsIj(std::string_view text);

// `buffer` set to the length prefix "%2d. " and `text` after it. `text` must not view `buffer`.
std::string_view WithLengthPrefix(int length, std::string_view text, std::string& buffer);

// The work of AddResultLine with a buffer of the caller's. Returns the line as it was appended
// ("%2d. " and the text when "Met lengte" is on, in `buffer`; otherwise `text` itself), appended and
// counted; nothing when the IJ rule dropped it. `text` must not view `buffer`. Inline, as a search
// adds up to a line for every word it reads.
inline std::optional<std::string_view> AppendResultLine(MainDialog& dialog, std::string_view text, int length,
                                                        bool keep, std::string& buffer) {
  // The prefix is digits and ". ", so it cannot take part in an IJ.
  if (dialog.ijOneLetter && HoldsIj(text)) return std::nullopt;
  const std::string_view line = dialog.withLength ? WithLengthPrefix(length, text, buffer) : text;
  ResultList& results = dialog.view.Results();
  if (keep && dialog.keepsResultBackup) {
    results.AppendKept(line, dialog.resultBackup);
  } else {
    results.Append(line);
  }
  ++searchRunState.resultCount;
  return line;
}

}  // namespace kwintel
