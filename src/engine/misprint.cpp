#include "engine/misprint.h"

#include <algorithm>
#include <string>

// The element tests of the sequence type, so that both types agree on what an element accepts.
#include "engine/sequence_elements.h"

namespace kwintel {

namespace {

// Whether c may stand in the pattern as an element of its own (outside a class).
bool IsRefusedOutsideClass(char c) {
  switch (c) {
    case '*':
    case '-':
    case '&':
    case '$':
    case '^':
    case '\'':
    case '%':
    case '_':
    case ']':
    case '}':
      return true;
    default:
      return false;
  }
}

bool IsRefusedInsideClass(char c) {
  switch (c) {
    case '.':
    case '?':
    case '/':
    case '\\':
    case '*':
    case '-':
    case '[':
    case '{':
    case '\'':
    case '%':
    case '_':
      return true;
    default:
      return false;
  }
}

}  // namespace

std::optional<MisprintPattern> PrepareMisprint(std::string_view pattern) {
  const std::size_t blank = pattern.find(' ');
  if (blank != std::string_view::npos) {
    if (pattern.find_first_not_of(' ', blank) != std::string_view::npos) return std::nullopt;
    pattern = pattern.substr(0, blank);
  }
  // SequenceElementSet reads a NUL-terminated element; the class closer is checked below, so
  // a copy with its terminator is all it needs.
  const std::string text(pattern);
  MisprintPattern compiled;
  for (std::size_t i = 0; i < text.size();) {
    const char c = text[i];
    std::size_t next = i + 1;
    if (c == '[' || c == '{') {
      const char closer = c == '[' ? ']' : '}';
      while (next < text.size() && text[next] != closer) {
        if (IsRefusedInsideClass(text[next]) || text[next] == (c == '[' ? '}' : ']')) {
          return std::nullopt;
        }
        ++next;
      }
      if (next == text.size()) return std::nullopt;  // left open
      ++next;
    } else if (IsRefusedOutsideClass(c)) {
      return std::nullopt;
    }
    SequenceCharacterSet set;
    SequenceElementSet(text.c_str() + i, set);
    compiled.elements.push_back({set.bits[0], set.bits[1]});
    i = next;
  }
  if (compiled.elements.empty()) return std::nullopt;
  // At most 299 elements: a pattern is never longer than 299 characters.
  const int count = static_cast<int>(std::min<std::size_t>(compiled.elements.size(), 19));
  compiled.minLength = std::max(count, 2);
  compiled.maxLength = compiled.minLength;
  return compiled;
}

bool MatchMisprint(const MisprintPattern& pattern, std::string_view word) {
  const std::size_t count = pattern.elements.size();
  std::size_t i = 0;
  int refused = 0;
  for (; i < word.size() && !IsSequenceWordEnd(word[i]); ++i) {
    if (i == count) return false;                        // characters left over
    const auto c = static_cast<unsigned char>(word[i]);  // 32..127: not a word end
    const std::uint64_t half = pattern.elements[i][c >> 6];
    if (((half >> (c & 63)) & 1) == 0 && ++refused > 1) return false;
  }
  return i == count && refused == 1;
}

}  // namespace kwintel
