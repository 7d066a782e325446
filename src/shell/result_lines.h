#pragma once
// How a found line joins the session's result list: the result filter, the IJ rule, the length
// prefix, the backup for "Vorige" and the count. Shared by the search and the narrowing.

#include <optional>
#include <string>
#include <string_view>

#include "engine/result_line.h"
#include "shell/session.h"

namespace kwintel {

// Whether a text passes "Zonder:" (no character of it occurs) and "Met:" (every character of it
// occurs); byte-wise, case-sensitive.
inline bool PassesResultFilter(const Form& form, std::string_view text) {
  for (const char c : form.mustNotContain) {
    if (text.find(c) != std::string_view::npos) return false;
  }
  for (const char c : form.mustContain) {
    if (text.find(c) == std::string_view::npos) return false;
  }
  return true;
}

// The line as the list would show it: "%2d. " and the text when "Met lengte" is on (in `buffer`),
// otherwise `text` itself; nothing when "IJ één letter" is on and the text holds "IJ" or "ij".
// `text` must not view `buffer`.
inline std::optional<std::string_view> ShownResultLine(const Session& session, std::string_view text, int length,
                                                       std::string& buffer) {
  // The prefix is digits and ". ", so it cannot take part in an IJ.
  if (session.ijOneLetter && HoldsIj(text)) return std::nullopt;
  return session.withLength ? WithLengthPrefix(length, text, buffer) : text;
}

// Appends a shown line to the list, and to the backup when `keep` is set and the session keeps
// one, and counts it in the run.
inline void AppendResultLine(Session& session, std::string_view line, bool keep) {
  if (keep && session.keepsResultBackup) {
    session.results.AppendKept(line, session.resultBackup);
  } else {
    session.results.Append(line);
  }
  ++session.run.resultCount;
}

}  // namespace kwintel
