#pragma once
// The main dialog's controls in creation order, which is also their tab order: id, caption
// (UTF-8), kind and place in dialog units. The dialog builds its widgets from this table.

#include <array>

#include "engine/search_type.h"
#include "ports/control_ids.h"

namespace kwintel {

namespace ids {

// The radios the dialog alone reads and shows: the search type and the maximum.
inline constexpr int kVolgorde = 1029;
inline constexpr int kAnagram = 1030;
inline constexpr int kSet = 1031;
inline constexpr int kSubset = 1032;
inline constexpr int kAnagramMinusOne = 1033;
inline constexpr int kMeerwoord = 1034;
inline constexpr int kVerborgen = 1035;
inline constexpr int kDrukfout = 1036;
inline constexpr int kRijm = 1037;
inline constexpr int kHalfrijm = 1038;
inline constexpr int kKlinktAls = 1039;
inline constexpr int kWordfeud = 1040;
inline constexpr int kScrabble = 1041;
inline constexpr int kLingo = 1042;
inline constexpr int kFrequentie = 1108;
inline constexpr int kStapel = 1119;
inline constexpr int kProduct = 1120;
inline constexpr int kSom = 1121;
inline constexpr int kTelefoon = 1122;

inline constexpr int kMax100 = 1134;
inline constexpr int kMax500 = 1135;
inline constexpr int kMax1000 = 1136;
inline constexpr int kMax15000 = 1137;

}  // namespace ids

struct SearchTypeRadio {
  int id;
  SearchType type;
};

// Every search type's radio.
inline constexpr std::array<SearchTypeRadio, kSearchTypes.size()> kSearchTypeRadios = {{
    {ids::kVolgorde, SearchType::Sequence},
    {ids::kFrequentie, SearchType::Frequency},
    {ids::kAnagram, SearchType::Anagram},
    {ids::kAnagramMinusOne, SearchType::AnagramMinusOne},
    {ids::kStapel, SearchType::Stack},
    {ids::kSet, SearchType::Set},
    {ids::kProduct, SearchType::Product},
    {ids::kSubset, SearchType::Subset},
    {ids::kSom, SearchType::Sum},
    {ids::kTelefoon, SearchType::Telephone},
    {ids::kMeerwoord, SearchType::MultiWordAnagram},
    {ids::kVerborgen, SearchType::HiddenWord},
    {ids::kDrukfout, SearchType::Misprint},
    {ids::kRijm, SearchType::Rhyme},
    {ids::kHalfrijm, SearchType::HalfRhyme},
    {ids::kKlinktAls, SearchType::SoundsLike},
    {ids::kWordfeud, SearchType::Wordfeud},
    {ids::kScrabble, SearchType::Scrabble},
    {ids::kLingo, SearchType::Lingo},
}};

struct MaxResultsRadio {
  int id;
  int maxResults;
};

inline constexpr std::array<MaxResultsRadio, 4> kMaxResultsRadios = {{
    {ids::kMax100, 100},
    {ids::kMax500, 500},
    {ids::kMax1000, 1000},
    {ids::kMax15000, 15000},
}};

// The caption of a search-type radio: its type's caption.
constexpr const char* RadioCaption(int id) {
  for (const SearchTypeRadio& radio : kSearchTypeRadios) {
    if (radio.id == id) return FindSearchType(radio.type)->caption.data();
  }
  return "";
}

inline constexpr int kNoControlId = -1;

// The dialog's size in dialog units.
inline constexpr int kDialogWidthUnits = 477;
inline constexpr int kDialogHeightUnits = 374;

enum class ControlKind {
  PatternBox,    // editable combo box with the pattern history
  Radio,         // push-like radio; its group follows from its id
  LengthToggle,  // push-like check box
  ToggleButton,  // push-like check box of its own
  CheckBox,      // ordinary check box
  PushButton,
  DefaultButton,  // the push button Enter runs
  NoTabButton,    // push button that Tab passes over
  HiddenButton,
  ResultList,
  ProgressBar,
  FilterEdit,  // single-line edit, typed letters become capitals
  HiddenEdit,
  Label,
  GroupBox,
  VersionLine,
};

struct ControlTemplate {
  int id;
  const char* caption;
  ControlKind kind;
  int x, y, width, height;
};

// The 18 length toggles stand in three columns of six; they are created together, by length.
inline constexpr int kLengthColumnX[3] = {16, 40, 64};
inline constexpr int kLengthColumnWidth[3] = {20, 20, 23};
inline constexpr int kLengthRowY[6] = {17, 32, 47, 62, 77, 92};
inline constexpr int kLengthToggleHeight = 10;
inline constexpr ControlTemplate kLengthTogglesMarker = {kNoControlId, "", ControlKind::LengthToggle, 0, 0, 0, 0};

inline constexpr std::array<ControlTemplate, 62> kMainDialogTemplate = {{
    {ids::kPatternBox, "", ControlKind::PatternBox, 115, 20, 268, 115},
    {ids::kMax100, "100", ControlKind::Radio, 115, 37, 24, 15},
    {ids::kMax500, "500", ControlKind::Radio, 139, 37, 24, 15},
    {ids::kMax1000, "1000", ControlKind::Radio, 163, 37, 24, 15},
    {ids::kMax15000, "15000", ControlKind::Radio, 187, 37, 24, 15},
    {ids::kHoofdKlein, "Hoofd", ControlKind::PushButton, 213, 37, 24, 15},
    {ids::kKopieer, "Kopieer", ControlKind::PushButton, 238, 37, 31, 15},
    {ids::kPrint, "Print", ControlKind::PushButton, 270, 37, 23, 15},
    {ids::kSorteer, "Sorteer", ControlKind::PushButton, 294, 37, 31, 15},
    {ids::kResultList, "", ControlKind::ResultList, 113, 68, 269, 201},
    {ids::kGaZoeken, "&Ga zoeken", ControlKind::DefaultButton, 402, 9, 65, 15},
    {ids::kDoorzoeken, "&Doorzoeken", ControlKind::PushButton, 402, 27, 65, 15},
    {ids::kKiesBestand, "&Kies bestand...", ControlKind::PushButton, 402, 65, 65, 15},
    {ids::kSource1, "Alle woorden", ControlKind::PushButton, 402, 85, 65, 15},
    {ids::kSource2, "ZWL '95", ControlKind::PushButton, 402, 105, 65, 15},
    {ids::kSchrijfResultaat, "&Schrijf resultaat...", ControlKind::PushButton, 402, 178, 65, 15},
    {ids::kHulp, "&Hulp...", ControlKind::PushButton, 402, 197, 65, 15},
    {ids::kFont, "&Font...", ControlKind::PushButton, 402, 216, 65, 15},
    {ids::kOnderbreek, "&Onderbreek", ControlKind::PushButton, 402, 235, 65, 15},
    kLengthTogglesMarker,
    {ids::kAlle, "Alle", ControlKind::NoTabButton, 16, 107, 29, 14},
    {ids::kGeen, "Geen", ControlKind::NoTabButton, 58, 107, 29, 14},
    {ids::kVolgorde, RadioCaption(ids::kVolgorde), ControlKind::Radio, 14, 186, 38, 13},
    {ids::kFrequentie, RadioCaption(ids::kFrequentie), ControlKind::Radio, 56, 185, 38, 13},
    {ids::kAnagram, RadioCaption(ids::kAnagram), ControlKind::Radio, 14, 203, 38, 13},
    {ids::kAnagramMinusOne, RadioCaption(ids::kAnagramMinusOne), ControlKind::Radio, 56, 203, 38, 13},
    {ids::kStapel, RadioCaption(ids::kStapel), ControlKind::Radio, 14, 220, 38, 13},
    {ids::kSet, RadioCaption(ids::kSet), ControlKind::Radio, 14, 237, 38, 13},
    {ids::kProduct, RadioCaption(ids::kProduct), ControlKind::Radio, 14, 254, 38, 13},
    {ids::kSubset, RadioCaption(ids::kSubset), ControlKind::Radio, 56, 237, 38, 13},
    {ids::kSom, RadioCaption(ids::kSom), ControlKind::Radio, 56, 254, 38, 13},
    {ids::kTelefoon, RadioCaption(ids::kTelefoon), ControlKind::Radio, 56, 220, 38, 13},
    {ids::kMeerwoord, RadioCaption(ids::kMeerwoord), ControlKind::Radio, 14, 271, 38, 13},
    {ids::kVerborgen, RadioCaption(ids::kVerborgen), ControlKind::Radio, 56, 271, 38, 13},
    {ids::kDrukfout, RadioCaption(ids::kDrukfout), ControlKind::Radio, 14, 288, 38, 13},
    {ids::kRijm, RadioCaption(ids::kRijm), ControlKind::Radio, 56, 288, 38, 13},
    {ids::kHalfrijm, RadioCaption(ids::kHalfrijm), ControlKind::Radio, 14, 305, 38, 13},
    {ids::kKlinktAls, RadioCaption(ids::kKlinktAls), ControlKind::Radio, 56, 305, 38, 13},
    {ids::kWordfeud, RadioCaption(ids::kWordfeud), ControlKind::Radio, 14, 322, 38, 13},
    {ids::kScrabble, RadioCaption(ids::kScrabble), ControlKind::Radio, 56, 322, 38, 13},
    {ids::kLingo, RadioCaption(ids::kLingo), ControlKind::Radio, 14, 339, 38, 13},
    {ids::kClipboardCarrier, "", ControlKind::HiddenEdit, 363, 274, 40, 14},
    {ids::kEinde, "Einde", ControlKind::PushButton, 402, 254, 65, 15},
    {kNoControlId, "Aantal tekens", ControlKind::GroupBox, 7, 7, 91, 119},
    {kNoControlId, "Zoektype", ControlKind::GroupBox, 7, 173, 91, 185},
    {kNoControlId, "Zoekpatroon, max. aantal enz., voortgang, resultaat", ControlKind::GroupBox, 107, 7, 282, 267},
    {ids::kProgress, "", ControlKind::ProgressBar, 115, 55, 209, 10},
    {kNoControlId, "", ControlKind::VersionLine, 8, 363, 232, 10},
    {ids::kSource3, "Derde bron", ControlKind::PushButton, 402, 125, 65, 15},
    {ids::kSource4, "Vierde bron", ControlKind::PushButton, 402, 145, 65, 15},
    {kNoControlId, "Diverse", ControlKind::GroupBox, 397, 167, 76, 107},
    {kNoControlId, "Woordbestanden", ControlKind::GroupBox, 397, 54, 76, 109},
    {kNoControlId, "Resultaatfiltertekens", ControlKind::GroupBox, 7, 129, 91, 41},
    {ids::kMetFilter, "", ControlKind::FilterEdit, 37, 140, 56, 12},
    {ids::kZonderFilter, "", ControlKind::FilterEdit, 37, 154, 56, 12},
    {kNoControlId, "Met:", ControlKind::Label, 10, 142, 16, 8},
    {kNoControlId, "Zonder:", ControlKind::Label, 10, 154, 26, 8},
    {ids::kMetLengte, "Met lengte", ControlKind::CheckBox, 330, 38, 52, 8},
    {ids::kFocus, "Focus", ControlKind::HiddenButton, 307, 275, 27, 7},
    {ids::kIjEenLetter, "IJ één letter", ControlKind::CheckBox, 330, 47, 52, 8},
    {ids::kGangbaar, "Gangbaar", ControlKind::ToggleButton, 330, 57, 52, 10},
    {ids::kVorige, "Vorige", ControlKind::PushButton, 440, 43, 27, 11},
}};

// The template entry of control `id` (which must be in the table).
constexpr const ControlTemplate& TemplateOf(int id) {
  for (const ControlTemplate& control : kMainDialogTemplate) {
    if (control.id == id) return control;
  }
  return kLengthTogglesMarker;
}

}  // namespace kwintel
