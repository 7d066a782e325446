#include <cstdint>

#include "engine/match_word.h"
#include "engine/sequence_matcher_internal.h"

namespace kwintel {

namespace {

// The word ends at its first byte that is below 32 read as signed: NUL, a control byte, or any
// byte of 128 and above. A space belongs to the word.
inline bool IsWordEnd(char c) { return static_cast<signed char>(c) < 32; }

struct CharacterSets {
  bool vowel[128] = {};
  bool consonant[128] = {};
  constexpr CharacterSets() {
    for (const char* v = "AEIOU"; *v; ++v) vowel[static_cast<unsigned char>(*v)] = true;
    for (const char* c = "BCDFGHJKLMNPQRSTVWXZ"; *c; ++c) {
      consonant[static_cast<unsigned char>(*c)] = true;
    }
  }
};
constexpr CharacterSets kSets;

// The pattern position just past the class that opens at `p`; a class left open (which prepared
// patterns never have) ends at the pattern's end.
const char* SkipClass(const char* p) {
  const char closer = *p == '[' ? ']' : '}';
  ++p;
  while (*p != '\0' && *p != closer) ++p;
  return *p == '\0' ? p : p + 1;
}

// What the rest of a pattern, from some position on, can do: recurse (a '*' with something after
// it), and which letter variables it reads or writes, as a mask over their packed bytes.
struct RestOfPattern {
  bool recurses = false;
  std::uint32_t variables = 0;
};

constexpr std::uint32_t kAmpByte = 0xFF;
constexpr std::uint32_t kDollarByte = 0xFF00;
constexpr std::uint32_t kCaretByte = 0xFF0000;

RestOfPattern ScanRest(const char* p) {
  RestOfPattern rest;
  for (; *p != '\0'; ++p) {
    switch (*p) {
      case '*':
        if (p[1] != '\0') rest.recurses = true;
        break;
      case '\'':  // a binding mark writes its variable and compares with the other two
      case '%':
      case '_':
        rest.variables = kAmpByte | kDollarByte | kCaretByte;
        break;
      case '&':
        rest.variables |= kAmpByte;
        break;
      case '$':
        rest.variables |= kDollarByte;
        break;
      case '^':
        rest.variables |= kCaretByte;
        break;
      default:  // inside a class these are literal; counting them there only costs precision
        break;
    }
  }
  return rest;
}

std::uint32_t PackedVariables(const MatchState& state) {
  return static_cast<std::uint32_t>(state.ampVar) |
         static_cast<std::uint32_t>(state.dollarVar) << 8 |
         static_cast<std::uint32_t>(state.caretVar) << 16;
}

template <bool kMemo>
void Walk(const char* w, const char* p, bool nested);

// A call below a second '*', the only place where the same state can come round again, whose
// rest can recurse. Its state is the word and pattern positions and the variables that the rest
// of the pattern touches (`touched`); the others it neither reads nor changes.
void RememberingWalk(const char* w, const char* p, std::uint32_t touched) {
  MatchState& state = matchState;
  SequenceMemo& memo = state.sequenceMemo;
  const auto wordOffset = static_cast<std::uint64_t>(w - memo.WordBase());
  const auto patternOffset = static_cast<std::uint64_t>(p - memo.PatternBase());
  // A key must hold the whole state; variables set from outside to values beyond a byte, or a
  // text beyond 4 GiB, are simply not remembered.
  if (static_cast<unsigned>(state.ampVar) > 0xFF || static_cast<unsigned>(state.dollarVar) > 0xFF ||
      static_cast<unsigned>(state.caretVar) > 0xFF || wordOffset > UINT32_MAX ||
      patternOffset > UINT32_MAX) {
    Walk<true>(w, p, true);
    return;
  }
  const SequenceMemo::Key key{static_cast<std::uint32_t>(wordOffset),
                              static_cast<std::uint32_t>(patternOffset),
                              PackedVariables(state) & touched};
  std::uint32_t end = 0;
  if (memo.Remembered(key, end)) {
    // The same state failed before; failing again it would leave exactly these values.
    if (touched & kAmpByte) state.ampVar = static_cast<int>(end & 0xFF);
    if (touched & kDollarByte) state.dollarVar = static_cast<int>(end >> 8 & 0xFF);
    if (touched & kCaretByte) state.caretVar = static_cast<int>(end >> 16 & 0xFF);
    return;
  }
  Walk<true>(w, p, true);
  if (state.matched) return;
  // Every value is a word byte (32..127) or one the key already held, so each fits its byte.
  memo.Remember(key, PackedVariables(state) & touched);
}

// The backtracking match of the word from w against the pattern from p. `nested` tells that
// this call was made for a '*', so that a '*' met here is at least the second on the path.
template <bool kMemo>
void Walk(const char* w, const char* p, bool nested) {
  MatchState& state = matchState;
  if (state.matched) return;
  for (; *p != '\0' && !IsWordEnd(*w); ++w, ++p) {
    const char c = *w;
    const auto index = static_cast<unsigned char>(c);  // below 128: not a word end
    switch (*p) {
      case '.':
      case '?':
        break;
      case '/':
        if (!kSets.vowel[index]) return;
        break;
      case '\\':
        if (!kSets.consonant[index]) return;
        break;
      case '@':
        if (c != ' ') return;
        break;
      case '[':
      case '{':
        if (!MatchBracketClass(p, c)) return;
        p = SkipClass(p) - 1;  // the loop's step moves past the closer
        break;
      // A binding mark overwrites its variable, after testing only the other two as they stand
      // now, stale values of abandoned paths included; bindings are never undone.
      case '\'':
        if (c == state.dollarVar || c == state.caretVar) return;
        state.ampVar = c;
        break;
      case '%':
        if (c == state.ampVar || c == state.caretVar) return;
        state.dollarVar = c;
        break;
      case '_':
        if (c == state.ampVar || c == state.dollarVar) return;
        state.caretVar = c;
        break;
      case '&':
        if (c != state.ampVar) return;
        break;
      case '$':
        if (c != state.dollarVar) return;
        break;
      case '^':
        if (c != state.caretVar) return;
        break;
      case '*': {
        if (p[1] == '\0') {
          state.matched = 1;
          return;
        }
        // Every start for the rest of the pattern, the empty run first. Once one succeeds the
        // later calls would return at once, so they are not made. Below a second '*' the same
        // call can come round again by another split of the word; it is remembered when it
        // can recurse in turn.
        RestOfPattern rest;
        if (kMemo && nested) rest = ScanRest(p + 1);
        for (const char* s = w; !IsWordEnd(*s); ++s) {
          if (rest.recurses) {
            RememberingWalk(s, p + 1, rest.variables);
          } else {
            Walk<kMemo>(s, p + 1, true);
          }
          if (state.matched) return;
        }
        return;
      }
      default:
        if (c != *p) return;
        break;
    }
  }
  if (!IsWordEnd(*w)) return;  // characters left over
  if (*p == '\0' || (*p == '*' && p[1] == '\0')) state.matched = 1;
}

}  // namespace

void MatchSequence(const char* word, const char* pattern) {
  matchState.sequenceMemo.BeginWord(word, pattern);
  Walk<true>(word, pattern, false);
}

void MatchSequencePlain(const char* word, const char* pattern) { Walk<false>(word, pattern, false); }

bool MatchBracketClass(const char* patternAtClass, char c) {
  const char* p = patternAtClass;
  if (*p == '[') {
    for (++p; *p != '\0' && *p != ']'; ++p) {
      if (*p == c) return true;
    }
    return false;
  }
  if (*p == '{') {
    for (++p; *p != '\0' && *p != '}'; ++p) {
      if (*p == c) return false;
    }
    return true;
  }
  return *p == c;
}

}  // namespace kwintel
