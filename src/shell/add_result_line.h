#pragma once
// How a found word joins the dialog's result list: the result filter, the IJ rule, the length
// prefix, the backup for "Vorige" and the count. Shared by the search and the narrowing.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/engine_types.h"
#include "engine/result_line.h"
#include "shell/main_dialog.h"

namespace kwintel {

// Whether a word passes "Zonder:" (no character of it occurs) and "Met:" (every character of it
// occurs), both taken from the dialog members; byte-wise, case-sensitive. Inline for the usual
// case of no filter, which the scan asks about at every found word.
bool PassesSetResultFilter(const MainDialog& dialog, std::string_view text);
inline bool PassesResultFilter(const MainDialog& dialog, std::string_view text) {
  return (dialog.mustNotContain.empty() && dialog.mustContain.empty()) || PassesSetResultFilter(dialog, text);
}

// Adds a result line: the length prefix "%2d. " when "Met lengte" is on; dropped (not shown, not
// counted) when "IJ één letter" is on and the line holds "IJ" or "ij"; otherwise appended to the
// list, to resultBackup when keep is set (and the dialog keeps a backup), and counted in
// searchRunState.resultCount.
void AddResultLine(MainDialog& dialog, std::string_view text, int length, bool keep);

// The work of AddResultLine with a buffer of the caller's. Returns the line as it was appended
// ("%2d. " and the text when "Met lengte" is on, in `buffer`; otherwise `text` itself), appended and
// counted; nothing when the IJ rule dropped it. `text` must not view `buffer`. Inline, as a search
// adds up to a line for every word it reads.
// The line as the list would show it: "%2d. " and the text when "Met lengte" is on (in `buffer`),
// otherwise `text` itself; nothing when the IJ rule drops it.
inline std::optional<std::string_view> ShownResultLine(const MainDialog& dialog, std::string_view text, int length,
                                                       std::string& buffer) {
  // The prefix is digits and ". ", so it cannot take part in an IJ.
  if (dialog.ijOneLetter && HoldsIj(text)) return std::nullopt;
  return dialog.withLength ? WithLengthPrefix(length, text, buffer) : text;
}

inline std::optional<std::string_view> AppendResultLine(MainDialog& dialog, std::string_view text, int length,
                                                        bool keep, std::string& buffer) {
  const std::optional<std::string_view> shown = ShownResultLine(dialog, text, length, buffer);
  if (!shown) return std::nullopt;
  const std::string_view line = *shown;
  ResultList& results = dialog.view.Results();
  if (keep && dialog.keepsResultBackup) {
    results.AppendKept(line, dialog.resultBackup);
  } else {
    results.Append(line);
  }
  ++searchRunState.resultCount;
  return line;
}

// A found line into the search's ranking by counts instead of the list, when "Gangbaar" ranks
// the search (dialog.ranking set): shown as AppendResultLine would show it, and offered with
// `count`. Returns whether the line went to the ranking; false leaves it to AppendResultLine.
bool OfferRankedLine(MainDialog& dialog, std::string_view text, int length, std::uint64_t count, std::string& buffer);

}  // namespace kwintel
