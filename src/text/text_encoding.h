#pragma once
// Conversions between the program's single-byte character set (Windows-1252) and UTF-8, and the
// case rules of the engine and of the typing controls. The engine and the result list hold
// Windows-1252 bytes; only the edges (command line, result file, clipboard, GUI) convert.

#include <optional>
#include <string>
#include <string_view>

namespace kwintel {

// The Unicode code point of one Windows-1252 byte. The five bytes that Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to U+0081 ... so every byte survives a round trip.
char32_t Cp1252ToCodePoint(unsigned char byte);

// The Windows-1252 byte of a code point, or nothing when the character set has no such character.
std::optional<unsigned char> CodePointToCp1252(char32_t codePoint);

std::string Cp1252ToUtf8(std::string_view bytes);

// Nothing when the text is not valid UTF-8 or holds a character without a Windows-1252 form.
std::optional<std::string> Utf8ToCp1252(std::string_view utf8);

// A file name (the file system's bytes, normally UTF-8) made fit to show in Windows-1252 text:
// characters without a Windows-1252 form, and bytes that are no UTF-8, become '?'. For display only.
std::string FileNameForDisplay(std::string_view fileSystemBytes);

// What the pattern box and the filter edits do to typed text: a-z and the small accented letters
// of Windows-1252 become capitals (0xE0-0xFE but 0xF7 minus 0x20, 0x9A to 0x8A, 0x9C to 0x8C,
// 0x9E to 0x8E, 0xFF to 0x9F); ß (0xDF) and µ (0xB5) stay.
std::string CapitaliseTyped(std::string_view bytes);
unsigned char CapitaliseTypedByte(unsigned char byte);

// The engine's case rules: only the ASCII letters change; no locale is consulted.
void AsciiUpperInPlace(std::string& text);
void AsciiLowerInPlace(std::string& text);
inline char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }
inline char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

// Whether two texts are equal with the ASCII letters' case ignored: the program's one case-blind
// comparison (option and switch names, search-type names, word-file names).
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace kwintel
