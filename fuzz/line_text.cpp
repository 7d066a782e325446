#include "line_text.h"

#include <algorithm>

namespace kwintel::fuzz {

std::string UpperAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

std::string LowerAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

bool ContainsIj(std::string_view text) {
  return text.find("IJ") != std::string_view::npos || text.find("ij") != std::string_view::npos;
}

std::string WithoutLengthNumber(std::string_view text) {
  const std::size_t dot = text.find('.');
  if (dot > 3 || text.size() < 2 || text[1] < '0' || text[1] > '9') return std::string(text);
  return std::string(text.substr(std::min(dot + 2, text.size())));
}

std::string WithLengthNumber(std::string_view text, std::size_t length) {
  std::string number = std::to_string(length);
  if (number.size() < 2) number.insert(0, " ");
  return number + ". " + std::string(text);
}

}  // namespace kwintel::fuzz
