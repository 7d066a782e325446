#include <bit>
#include <cstdint>

#include "engine/match_word.h"
#include "engine/sequence_matcher_internal.h"

namespace kwintel {

namespace {

// The word ends at its first byte that is below 32 read as signed: NUL, a control byte, or any
// byte of 128 and above. A space belongs to the word.
inline bool IsWordEnd(char c) { return static_cast<signed char>(c) < 32; }

// A set of word characters (32..127) as bits.
struct CharacterSet {
  std::uint64_t bits[2] = {0, 0};

  // c must not be a word end.
  bool Has(char c) const {
    const auto index = static_cast<unsigned char>(c);
    return (bits[index >> 6] >> (index & 63)) & 1;
  }
  // Both without a branch on the character and without a read of the set, so that a loop over a
  // class keeps the set in registers.
  constexpr void Add(char c) {
    const auto index = static_cast<unsigned char>(c);
    const std::uint64_t bit = (index >= 32 && index < 128) ? std::uint64_t{1} << (index & 63) : 0;
    bits[0] |= index < 64 ? bit : 0;
    bits[1] |= index < 64 ? 0 : bit;
  }
  constexpr void Remove(char c) {
    const auto index = static_cast<unsigned char>(c);
    const std::uint64_t bit = index < 128 ? std::uint64_t{1} << (index & 63) : 0;
    bits[0] &= ~(index < 64 ? bit : 0);
    bits[1] &= ~(index < 64 ? 0 : bit);
  }
  static constexpr CharacterSet Of(const char* characters) {
    CharacterSet set;
    for (; *characters; ++characters) set.Add(*characters);
    return set;
  }
  static constexpr CharacterSet AllWordCharacters() {
    CharacterSet set;
    set.bits[0] = ~std::uint64_t{0} << 32;
    set.bits[1] = ~std::uint64_t{0};
    return set;
  }
};

constexpr CharacterSet kVowels = CharacterSet::Of("AEIOU");
constexpr CharacterSet kConsonants = CharacterSet::Of("BCDFGHJKLMNPQRSTVWXZ");  // Y is neither

// The pattern position just past the class that opens at `p`; a class left open (which prepared
// patterns never have) ends at the pattern's end.
const char* SkipClass(const char* p) {
  const char closer = *p == '[' ? ']' : '}';
  ++p;
  while (*p != '\0' && *p != closer) ++p;
  return *p == '\0' ? p : p + 1;
}

// The test of one pattern element other than '*' on the word character c (not a word end). It
// changes nothing: a binding mark's binding is the caller's step after a passed test.
inline bool Accepts(const char* p, char c, const MatchState& state) {
  switch (*p) {
    case '.':
    case '?':
      return true;
    case '/':
      return kVowels.Has(c);
    case '\\':
      return kConsonants.Has(c);
    case '@':
      return c == ' ';
    case '[':
    case '{':
      return MatchBracketClass(p, c);
    // A binding mark tests only the other two variables as they stand now, stale values of
    // abandoned paths included.
    case '\'':
      return c != state.dollarVar && c != state.caretVar;
    case '%':
      return c != state.ampVar && c != state.caretVar;
    case '_':
      return c != state.ampVar && c != state.dollarVar;
    case '&':
      return c == state.ampVar;
    case '$':
      return c == state.dollarVar;
    case '^':
      return c == state.caretVar;
    case '*':
      return true;  // only in patterns that were never prepared ("**"): let the call decide
    default:
      return c == *p;
  }
}

// ---- What a run knows about the rest of the pattern ----

// Whether the rest can recurse (holds a '*' with something after it), and which letter
// variables it reads or writes, as a mask over their packed bytes.
struct RestOfPattern {
  bool recurses = false;
  std::uint32_t variables = 0;
  bool hasRun = false;   // any '*', the last character included
  bool binds = false;    // a binding mark
  int elements = 0;      // characters it takes from the word when it has no run
};

constexpr std::uint32_t kAmpByte = 0xFF;
constexpr std::uint32_t kDollarByte = 0xFF00;
constexpr std::uint32_t kCaretByte = 0xFF0000;

RestOfPattern ScanRest(const char* p) {
  RestOfPattern rest;
  for (; *p != '\0'; ++p) {
    ++rest.elements;
    switch (*p) {
      case '*':
        rest.hasRun = true;
        if (p[1] != '\0') rest.recurses = true;
        break;
      case '[':
      case '{':
        p = SkipClass(p) - 1;
        break;
      case '\'':  // a binding mark writes its variable and compares with the other two
      case '%':
      case '_':
        rest.binds = true;
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
      default:
        break;
    }
  }
  return rest;
}

// The leading elements of the rest whose verdict on a character is fixed for the whole run:
// everything but letter variables (a failed start may rebind them) and '*'. A start whose
// characters fail one of them would make a call that fails there and changes nothing, since
// such elements bind nothing; so the run tests them itself, without the call.
struct LeadingElements {
  static constexpr int kMax = 4;
  int count = 0;
  char single = 0;  // the first element when it is one plain character, else 0
  CharacterSet sets[kMax];
};

// The character set of the element at p, or false for an element that has none.
bool ElementSet(const char* p, CharacterSet& result) {
  CharacterSet set;  // a local, kept in registers while a class is read
  switch (*p) {
    case '.':
    case '?':
      set = CharacterSet::AllWordCharacters();
      break;
    case '/':
      set = kVowels;
      break;
    case '\\':
      set = kConsonants;
      break;
    case '@':
      set.Add(' ');
      break;
    case '[':
      for (const char* q = p + 1; *q != '\0' && *q != ']'; ++q) set.Add(*q);
      break;
    case '{':
      set = CharacterSet::AllWordCharacters();
      for (const char* q = p + 1; *q != '\0' && *q != '}'; ++q) set.Remove(*q);
      break;
    case '\0':
    case '*':
    case '\'':
    case '%':
    case '_':
    case '&':
    case '$':
    case '^':
      return false;
    default:
      set.Add(*p);
      break;
  }
  result = set;
  return true;
}

void ReadLeadingElements(const char* p, LeadingElements& leading) {
  leading.count = 0;
  leading.single = 0;
  while (leading.count < LeadingElements::kMax && ElementSet(p, leading.sets[leading.count])) {
    if (leading.count == 0 && *p != '[' && *p != '{' && *p != '.' && *p != '?' && *p != '/' &&
        *p != '\\' && static_cast<unsigned char>(*p) >= 32) {
      leading.single = *p == '@' ? ' ' : *p;  // 0 stays for a byte no word character equals
    }
    ++leading.count;
    p = (*p == '[' || *p == '{') ? SkipClass(p) : p + 1;
  }
}

// The starts from w (as bits: bit i for w + i) whose characters pass the first N leading
// elements, computed without a branch per character. False for a word of more than 64
// characters.
template <int N>
bool LeadingStarts(const char* w, const LeadingElements& leading, std::uint64_t& starts) {
  std::uint64_t masks[N] = {};
  for (int i = 0; !IsWordEnd(w[i]); ++i) {
    if (i == 64) return false;
    const auto index = static_cast<unsigned char>(w[i]);
    const int half = index >> 6;
    const int shift = index & 63;
#pragma GCC unroll 4
    for (int k = 0; k < N; ++k) {
      masks[k] |= ((leading.sets[k].bits[half] >> shift) & 1) << i;
    }
  }
  // Bits past the word's end are 0, so a start too near the end drops out here.
  starts = masks[0];
#pragma GCC unroll 4
  for (int k = 1; k < N; ++k) starts &= masks[k] >> k;
  return true;
}

bool LeadingStarts(const char* w, const LeadingElements& leading, std::uint64_t& starts) {
  switch (leading.count) {
    case 2:
      return LeadingStarts<2>(w, leading, starts);
    case 3:
      return LeadingStarts<3>(w, leading, starts);
    case 4:
      return LeadingStarts<4>(w, leading, starts);
    default:
      return false;
  }
}

// Whether the word from s (whose first character passed the first element) passes the other
// leading elements; never reads past the word's end.
inline bool PassesLeadingAfterFirst(const char* s, const LeadingElements& leading) {
  for (int k = 1; k < leading.count; ++k) {
    if (IsWordEnd(s[k]) || !leading.sets[k].Has(s[k])) return false;
  }
  return true;
}

// ---- The memo ----

std::uint32_t PackedVariables(const MatchState& state) {
  return static_cast<std::uint32_t>(state.ampVar) |
         static_cast<std::uint32_t>(state.dollarVar) << 8 |
         static_cast<std::uint32_t>(state.caretVar) << 16;
}

template <bool kFast>
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

// ---- The match ----

// A run ('*' at p, not the last pattern character) tried from every start s = w, w+1, ...: the
// rest of the pattern from s. The first start lets the run be empty; the last leaves one word
// character. Once one succeeds the later calls would return at once, so they are not made.
template <bool kFast>
void Run(const char* w, const char* p, bool nested) {
  const char* rest = p + 1;
  if constexpr (!kFast) {
    for (const char* s = w; !IsWordEnd(*s); ++s) {
      Walk<false>(s, rest, true);
      if (matchState.matched) return;
    }
  } else {
    // Below a second '*' the same call can come round again by another split of the word; it
    // is remembered when it can recurse in turn.
    const RestOfPattern restInfo = ScanRest(rest);
    if (!restInfo.hasRun && !restInfo.binds) {
      // A rest without runs takes exactly its number of elements, so it can only succeed from
      // the start that leaves that many characters; every other start fails without binding
      // anything, as nothing in the rest binds.
      const char* end = w;
      while (!IsWordEnd(*end)) ++end;
      if (end - w >= restInfo.elements) Walk<true>(end - restInfo.elements, rest, true);
      return;
    }
    LeadingElements leading;
    ReadLeadingElements(rest, leading);
    const bool remember = nested && restInfo.recurses;
    const auto tryFrom = [&](const char* s) {
      if (remember) {
        RememberingWalk(s, rest, restInfo.variables);
      } else {
        Walk<true>(s, rest, true);
      }
      return matchState.matched != 0;
    };
    if (leading.count == 0) {
      for (const char* s = w; !IsWordEnd(*s); ++s) {
        if (Accepts(rest, *s, matchState) && tryFrom(s)) return;
      }
    } else if (std::uint64_t starts = 0; leading.count >= 2 && LeadingStarts(w, leading, starts)) {
      for (; starts != 0; starts &= starts - 1) {
        if (tryFrom(w + std::countr_zero(starts))) return;
      }
    } else if (leading.single != 0) {
      const char first = leading.single;
      for (const char* s = w; !IsWordEnd(*s); ++s) {
        if (*s == first && PassesLeadingAfterFirst(s, leading) && tryFrom(s)) return;
      }
    } else {
      const CharacterSet first = leading.sets[0];
      for (const char* s = w; !IsWordEnd(*s); ++s) {
        if (first.Has(*s) && PassesLeadingAfterFirst(s, leading) && tryFrom(s)) return;
      }
    }
  }
}

// The backtracking match of the word from w against the pattern from p. `nested` tells that
// this call was made for a '*', so that a '*' met here is at least the second on the path.
// kFast adds what only saves work: the memo, and the tests a run makes before each start.
// Without it this is the plain algorithm, kept as the reference for the tests.
template <bool kFast>
void Walk(const char* w, const char* p, bool nested) {
  MatchState& state = matchState;
  if (state.matched) return;
  for (; *p != '\0' && !IsWordEnd(*w); ++w, ++p) {
    const char c = *w;
    if (*p == '*') {
      if (p[1] == '\0') {
        state.matched = 1;  // the run takes the rest of the word, or nothing
        return;
      }
      Run<kFast>(w, p, nested);
      return;
    }
    if (!Accepts(p, c, state)) return;
    // Bindings are never undone when a path is abandoned.
    switch (*p) {
      case '\'':
        state.ampVar = c;
        break;
      case '%':
        state.dollarVar = c;
        break;
      case '_':
        state.caretVar = c;
        break;
      case '[':
      case '{':
        p = SkipClass(p) - 1;  // the loop's step moves past the closer
        break;
      default:
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
