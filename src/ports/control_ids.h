#pragma once
// Control ids of the main dialog that the logic addresses (the commands' buttons and the controls
// MainDialogView sets), so both front ends share one numbering. The radios of the search type and
// of the maximum are read and shown by the front end alone (as the Form's type and maximum).

#include <array>

namespace kwintel::ids {

inline constexpr int kEinde = 1;  // "Einde", the dialog's OK command
inline constexpr int kGaZoeken = 1100;
inline constexpr int kPatternBox = 1101;
inline constexpr int kKiesBestand = 1104;
inline constexpr int kResultList = 1105;
inline constexpr int kAlle = 1013;
inline constexpr int kGeen = 1014;
inline constexpr int kSchrijfResultaat = 1138;
inline constexpr int kProgress = 1142;
inline constexpr int kHulp = 1145;
inline constexpr int kOnderbreek = 1147;
inline constexpr int kFont = 1148;
inline constexpr int kSource2 = 1150;
inline constexpr int kSource1 = 1151;
inline constexpr int kDoorzoeken = 1152;
inline constexpr int kKopieer = 1153;
inline constexpr int kClipboardCarrier = 1154;
inline constexpr int kHoofdKlein = 1155;
inline constexpr int kPrint = 1156;
inline constexpr int kSorteer = 1158;
inline constexpr int kSource3 = 1159;
inline constexpr int kSource4 = 1160;
inline constexpr int kMetFilter = 1161;
inline constexpr int kZonderFilter = 1162;
inline constexpr int kMetLengte = 1163;
inline constexpr int kFocus = 1164;
inline constexpr int kIjEenLetter = 1165;
inline constexpr int kVorige = 1166;
inline constexpr int kGangbaar = 1167;

// Length toggles: id of the toggle for word length 2..19 (19 is "19+").
constexpr int LengthToggleId(int length) { return length <= 5 ? 998 + length : 1009 + length; }

// The four source buttons, slot 1 to 4.
inline constexpr std::array<int, 4> kSourceButtons = {kSource1, kSource2, kSource3, kSource4};

}  // namespace kwintel::ids
