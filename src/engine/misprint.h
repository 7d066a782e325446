#pragma once
// "Drukfout": words that fit a fixed-length sequence pattern but for exactly one character.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace kwintel {

// A pattern compiled once: per element the word characters (32..127) it accepts, as 128 bits
// (bit c of bits[c / 64]).
struct MisprintPattern {
  std::vector<std::array<std::uint64_t, 2>> elements;
  int minLength = 2;  // word files to read: the element count, 2 at least, 19 for "19+"
  int maxLength = 2;
};

// Compiles an upper-cased pattern made of the fixed-length elements of the sequence type only:
// a character standing for itself, '.', '?', '/', '\', '@', "[..]" and "{..}". Refused (nothing):
// an empty pattern or one without elements, '*', '-' anywhere (so no leading negation), the
// letter variables '&', '$', '^' outside a class, the marks "'", '%', '_', a class left open or
// a closer without its opener, '.', '?', '/', '\', '[', '{' inside a class, and anything but
// blanks after a blank (a length there means nothing for one fixed length).
std::optional<MisprintPattern> PrepareMisprint(std::string_view pattern);

// Whether `word` fits the pattern but for exactly one element: it has exactly as many
// characters as the pattern has elements and exactly one element refuses its character. The
// word's characters are those before its end as the sequence matcher sees it (the first byte
// below 32 read as signed: NUL, a control byte, any byte of 128 and above); a blank is a
// character. A word that fits the pattern outright is no result. Cost: one pass over the word.
bool MatchMisprint(const MisprintPattern& pattern, std::string_view word);

}  // namespace kwintel
