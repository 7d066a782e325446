#pragma once
// The letters of a telephone keypad (ITU-T E.161), one table for the Telephone preparation, which
// rewrites typed letters into digits, and the Telephone matcher, which reads words through it.

#include <array>
#include <cstddef>

namespace kwintel {

// KeypadDigits[c - 'A'] is the digit character ('2'..'9') of the upper-case letter c.
inline constexpr std::array<char, 26> KeypadDigits = {
    '2', '2', '2',       // A B C
    '3', '3', '3',       // D E F
    '4', '4', '4',       // G H I
    '5', '5', '5',       // J K L
    '6', '6', '6',       // M N O
    '7', '7', '7', '7',  // P Q R S
    '8', '8', '8',       // T U V
    '9', '9', '9', '9',  // W X Y Z
};

// The keypad digit character of an upper-case letter A-Z; '\0' for any other byte.
constexpr char KeypadDigit(char upperCaseLetter) {
  if (upperCaseLetter < 'A' || upperCaseLetter > 'Z') return '\0';
  return KeypadDigits[static_cast<std::size_t>(upperCaseLetter - 'A')];
}

}  // namespace kwintel
