#pragma once
// Files the program opens by a bare name (the help document, the tips file) are looked for in
// the current folder first and then beside the executable, because a desktop launcher starts
// programs in the home folder.

#include <string>
#include <string_view>

namespace kwintel {

// The path of the regular file `name` in the current folder, else in `executableFolder` (ending
// in '/'); empty when neither holds it. Paths are the file system's bytes.
std::string FindRuntimeFile(std::string_view name, const std::string& executableFolder);

}  // namespace kwintel
