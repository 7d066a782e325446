#pragma once
// A font as the logic knows it; the GUI maps it onto a real font ("Fixedsys" is the system's
// fixed-width font there).

#include <string>

namespace kwintel {

struct FontDescription {
  std::string family = "Fixedsys";
  int pixelHeight = 17;  // character height without internal leading
  int weight = 400;      // 400 normal, 700 bold
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;

  bool operator==(const FontDescription&) const = default;
};

}  // namespace kwintel
