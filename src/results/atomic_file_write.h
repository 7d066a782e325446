#pragma once
// Replacing a file so that a failure half-way never costs the old one.

#include <string>
#include <string_view>

namespace kwintel {

// Makes the file at `path` (file-system bytes) hold exactly `content`. Returns 0, or the errno of
// the first failure.
//
// A regular file, or one that does not exist yet, is replaced as a whole: the content goes into
// a temporary file beside the real target (a symbolic link is followed to the file it names and
// is itself left in place), is flushed to the disk, and only then renamed over the target. On any
// failure the old file is untouched and the temporary file is gone. The new file keeps the old
// one's permission bits (and, where allowed, its owner); a new file gets 0666 less the umask.
// A file the caller may not write is refused (EACCES), as opening it for writing would be.
//
// A device, pipe or socket cannot be replaced; it is written in place, as plain output would be.
// A folder gives EISDIR.
int WriteFileAtomically(const std::string& path, std::string_view content);

}  // namespace kwintel
