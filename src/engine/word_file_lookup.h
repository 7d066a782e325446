#pragma once
// Where the word files of a prefix are, their names matched without letter case.

#include <array>
#include <string>

#include "engine/engine_types.h"

namespace kwintel {

using WordFilePaths = std::array<std::string, kMaxWordLength - kMinWordLength + 1>;

// The path of the word file of each length 2..19 (index length - 2) under `prefix`: the name
// "%s%02d.DOC" itself when it exists; otherwise the entry of the prefix's folder whose name equals
// it with ASCII letter case ignored (the byte-smallest when several do); otherwise the name itself,
// which then fails to open like any missing file. Lists the folder at most once.
WordFilePaths FindWordFiles(const std::string& prefix);

}  // namespace kwintel
