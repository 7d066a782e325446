#pragma once
// How the fuzz targets read their input: bytes cut into lines at each line feed, and the control
// line that the word-file and result-list targets start with.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/search_type.h"

namespace kwintel::fuzz {

// Reads the input front to back. Each line ends at a line feed (not included) or at the end of
// the input; a carriage return stays part of its line.
class InputLines {
 public:
  InputLines(const std::uint8_t* data, std::size_t size) : rest_(reinterpret_cast<const char*>(data), size) {}

  bool AtEnd() const { return rest_.empty(); }
  // The next line, cut to at most `limit` bytes (what lies beyond is skipped); empty at the end.
  std::string_view Next(std::size_t limit = SIZE_MAX);
  // Everything not read yet, line feeds included.
  std::string_view Rest() const { return rest_; }

 private:
  std::string_view rest_;
};

// The first three lines of the word-file and result-list inputs:
//   line 1: a type byte, an options byte, then the pattern as typed;
//   line 2: the "Met:" filter; line 3: the "Zonder:" filter.
// Type byte: ('0' + t) selects search type t; every byte maps to one of the nineteen types.
// Options byte, counted from '@' (so '@' is all defaults): bit 0 "Met lengte" on, bit 1
// "IJ één letter" off, bit 2 small letters, bits 3-4 the max-results radio (100, 500, 1000,
// 15000), bits 5-6 a command that each message pump runs nested (see the target).
struct ControlLines {
  SearchType type = SearchType::Sequence;
  bool withLength = false;
  bool ijOneLetter = true;
  bool upperCase = true;
  int maxResultsPosition = 0;
  int pumpAction = 0;
  std::string pattern;
  std::string mustContain;
  std::string mustNotContain;
};

ControlLines ReadControlLines(InputLines& input);

}  // namespace kwintel::fuzz
