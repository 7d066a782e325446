#pragma once
// The result file: every line of the list but the summary line, UTF-8, each ended by LF.

#include <optional>
#include <string>

#include "ports/result_list.h"

namespace kwintel {

// Writes the result file of `list` to exactly `path`. Returns the message text of a failure
// (Windows-1252), nothing on success. The old file survives a failure.
std::optional<std::string> WriteResultFileTo(const ResultList& list, const std::string& path);

}  // namespace kwintel
