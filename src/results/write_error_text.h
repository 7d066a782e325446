#pragma once
// The words in which a failed result-file write is reported.

#include <string>

namespace kwintel {

// The Dutch reason for an errno value: the usual causes by name, any other as "systeemfout <n>".
std::string WriteErrorReason(int errorNumber);

// "Kan resultaat niet schrijven naar <file>: <reason>" (Windows-1252); `path` is file-system
// bytes and is shown through FileNameForDisplay.
std::string ResultWriteErrorText(const std::string& path, int errorNumber);

}  // namespace kwintel
