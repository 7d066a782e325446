#pragma once
// The name of a word file: the one place that spells it.

#include <string>

namespace kwintel {

// "%s%02d.DOC": the word file of `length` (2 .. 19, the 19 file holding every longer word) under
// `prefix`, the folder and base name of a word-file set.
std::string WordFileName(const std::string& prefix, int length);

}  // namespace kwintel
