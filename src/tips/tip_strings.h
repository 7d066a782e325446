#pragma once
// The fixed texts of the tip of the day, and the names it uses in the settings store.

namespace kwintel {

inline constexpr const char* kTipDialogCaption = "Tip van de dag";
inline constexpr const char* kTipHeading = "Wist u dat...";                                              // string 108
inline constexpr const char* kTipsFileMissing = "Tips file does not exist in the prescribed directory";  // string 109
inline constexpr const char* kTipsFileTrouble = "Trouble reading the tips file";                         // string 110

inline constexpr const char* kTipsFileName = "tips.txt";

inline constexpr const char* kTipSection = "Tip";
inline constexpr const char* kStartUpKey = "StartUp";
inline constexpr const char* kFilePosKey = "FilePos";
inline constexpr const char* kTimeStampKey = "TimeStamp";

}  // namespace kwintel
