#include "reference_sequence_match.h"

#include <cstring>

namespace kwintel::fuzz {
namespace {

struct Search {
  int amp = 0;
  int dollar = 0;
  int caret = 0;
  bool matched = false;
  long* budget = nullptr;
};

// Control bytes and every byte of 128 and above end a word; a space does not.
bool IsWordEnd(char c) { return static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) >= 128; }

bool InClass(const char* classStart, char c) {
  const char closer = *classStart == '[' ? ']' : '}';
  for (const char* p = classStart + 1; *p != closer; ++p) {
    if (*p == '\0') return false;  // unclosed: refused by preparation, never met here
    if (*p == c) return *classStart == '[';
  }
  return *classStart == '{';
}

// Binding a letter variable: the letter must differ from what the other two hold right now.
bool Bind(int& variable, int other1, int other2, char c) {
  const int letter = static_cast<unsigned char>(c);
  if (letter == other1 || letter == other2) return false;
  variable = letter;
  return true;
}

bool Step(Search& s) { return --*s.budget >= 0; }

void Match(Search& s, const char* w, const char* p) {
  if (s.matched || !Step(s)) return;
  while (*p != '\0' && !IsWordEnd(*w)) {
    if (!Step(s)) return;
    const char c = *w;
    const int letter = static_cast<unsigned char>(c);
    switch (*p) {
      case '.':
      case '?':
        break;
      case '/':
        if (std::strchr("AEIOU", c) == nullptr) return;
        break;
      case '\\':
        if (std::strchr("BCDFGHJKLMNPQRSTVWXZ", c) == nullptr) return;
        break;
      case '@':
        if (c != ' ') return;
        break;
      case '[':
      case '{':
        if (!InClass(p, c)) return;
        p = std::strchr(p, *p == '[' ? ']' : '}');
        break;
      case '\'':
        if (!Bind(s.amp, s.dollar, s.caret, c)) return;
        break;
      case '%':
        if (!Bind(s.dollar, s.amp, s.caret, c)) return;
        break;
      case '_':
        if (!Bind(s.caret, s.amp, s.dollar, c)) return;
        break;
      case '&':
        if (letter != s.amp) return;
        break;
      case '$':
        if (letter != s.dollar) return;
        break;
      case '^':
        if (letter != s.caret) return;
        break;
      case '*':
        if (p[1] == '\0') {
          s.matched = true;
          return;
        }
        for (const char* start = w; !IsWordEnd(*start); ++start) Match(s, start, p + 1);
        return;
      default:
        if (c != *p) return;
        break;
    }
    ++w;
    ++p;
  }
  if (!IsWordEnd(*w)) return;
  if (*p == '\0' || (p[0] == '*' && p[1] == '\0')) s.matched = true;
}

}  // namespace

bool IsWellFormedSequence(const char* pattern) {
  const char* p = pattern[0] == '-' ? pattern + 1 : pattern;
  for (; *p != '\0'; ++p) {
    if (*p == '-' || *p == ' ') return false;
    if (*p == '*' && p[1] == '*') return false;
    if (*p == '[' || *p == '{') {
      const char closer = *p == '[' ? ']' : '}';
      const char otherCloser = *p == '[' ? '}' : ']';
      for (++p; *p != closer; ++p) {
        if (*p == '\0' || *p == otherCloser || std::strchr(".?/\\*-[{", *p) != nullptr) return false;
      }
    } else if (*p == ']' || *p == '}') {
      return false;
    }
  }
  return true;
}

std::optional<bool> ReferenceSequenceMatch(const char* pattern, const char* word, long& budget) {
  Search s;
  s.budget = &budget;
  const bool negated = pattern[0] == '-';
  Match(s, word, negated ? pattern + 1 : pattern);
  // A match found before the budget ran out is final; a failure is final only within it.
  if (!s.matched && budget < 0) return std::nullopt;
  return s.matched != negated;
}

}  // namespace kwintel::fuzz
