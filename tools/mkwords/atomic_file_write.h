#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kwintel {

// Replaces the file at `path` (the target, when `path` is a symbolic link) by `contents`: written
// to a temporary file in the same folder, flushed, given the old file's permission bits (or the
// usual ones for a new file) and renamed over the target. A reader never sees a half-written file;
// on any failure the old file stays as it was and the temporary file is removed. Returns the
// reason of a failure, nothing on success.
std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view contents);

}  // namespace kwintel
