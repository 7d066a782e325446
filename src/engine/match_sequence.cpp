#include <bit>
#include <cstdint>

#include "engine/match_word.h"
#include "engine/sequence_matcher_internal.h"
#include "engine/sequence_run_plan.h"

namespace kwintel {

namespace {

// The word ends at its first byte that is below 32 read as signed: NUL, a control byte, or any
// byte of 128 and above. A space belongs to the word.
inline bool IsWordEnd(char c) { return static_cast<signed char>(c) < 32; }

// The test of one pattern element other than '*' on the word character c (not a word end). It
// changes nothing: a binding mark's binding is the caller's step after a passed test.
inline bool Accepts(const char* p, char c, const MatchState& state) {
  switch (*p) {
    case '.':
    case '?':
      return true;
    case '/':
      return kSequenceVowels.Has(c);
    case '\\':
      return kSequenceConsonants.Has(c);
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

// ---- Starts that need no call ----

// The starts from w (bit i for w + i) whose characters pass the first N leading elements of the
// plan, without a branch per character. False for a word of more than 64 characters.
template <int N>
bool LeadingStarts(const char* w, const RunPlan& plan, std::uint64_t& starts) {
  std::uint64_t masks[N] = {};
  for (int i = 0; !IsWordEnd(w[i]); ++i) {
    if (i == 64) return false;
    const auto index = static_cast<unsigned char>(w[i]);
    const int half = index >> 6;
    const int shift = index & 63;
#pragma GCC unroll 4
    for (int k = 0; k < N; ++k) masks[k] |= ((plan.leading[k].bits[half] >> shift) & 1) << i;
  }
  // Bits past the word's end are 0, so a start too near the end drops out here.
  starts = masks[0];
#pragma GCC unroll 4
  for (int k = 1; k < N; ++k) starts &= masks[k] >> k;
  return true;
}

bool LeadingStarts(const char* w, const RunPlan& plan, std::uint64_t& starts) {
  switch (plan.leadingCount) {
    case 2:
      return LeadingStarts<2>(w, plan, starts);
    case 3:
      return LeadingStarts<3>(w, plan, starts);
    case 4:
      return LeadingStarts<4>(w, plan, starts);
    default:
      return false;
  }
}

// Whether the word from s, whose first character passed the first leading element, passes the
// others; never reads past the word's end.
inline bool PassesLeadingAfterFirst(const char* s, const RunPlan& plan) {
  for (int k = 1; k < plan.leadingCount; ++k) {
    if (IsWordEnd(s[k]) || !plan.leading[k].Has(s[k])) return false;
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
  SequenceMemo& memo = state.sequenceMemory.memo;
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
    if (touched & kAmpVariableByte) state.ampVar = static_cast<int>(end & 0xFF);
    if (touched & kDollarVariableByte) state.dollarVar = static_cast<int>(end >> 8 & 0xFF);
    if (touched & kCaretVariableByte) state.caretVar = static_cast<int>(end >> 16 & 0xFF);
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
    SequenceMatcherMemory& memory = matchState.sequenceMemory;
    const RunPlan& plan = memory.runPlans.PlanOf(memory.memo.PatternBase(), p);
    if (!plan.hasRun && !plan.binds) {
      // A rest without runs takes exactly its number of elements, so it can only succeed from
      // the start that leaves that many characters; every other start fails without binding
      // anything, as nothing in the rest binds.
      const char* end = w;
      while (!IsWordEnd(*end)) ++end;
      if (end - w >= plan.elements) Walk<true>(end - plan.elements, rest, true);
      return;
    }
    // Below a second '*' the same call can come round again by another split of the word; it
    // is remembered when it can recurse in turn.
    const bool remember = nested && plan.recurses;
    const auto tryFrom = [&](const char* s) {
      if (remember) {
        RememberingWalk(s, rest, plan.variables);
      } else {
        Walk<true>(s, rest, true);
      }
      return matchState.matched != 0;
    };
    // Starts that fail the plan's leading elements are passed over without a call.
    if (plan.leadingCount == 0) {
      for (const char* s = w; !IsWordEnd(*s); ++s) {
        if (Accepts(rest, *s, matchState) && tryFrom(s)) return;
      }
    } else if (std::uint64_t starts = 0; plan.leadingCount >= 2 && LeadingStarts(w, plan, starts)) {
      for (; starts != 0; starts &= starts - 1) {
        if (tryFrom(w + std::countr_zero(starts))) return;
      }
    } else if (plan.leadingSingle != 0) {
      const char first = plan.leadingSingle;
      for (const char* s = w; !IsWordEnd(*s); ++s) {
        if (*s == first && PassesLeadingAfterFirst(s, plan) && tryFrom(s)) return;
      }
    } else {
      const SequenceCharacterSet& first = plan.leading[0];
      for (const char* s = w; !IsWordEnd(*s); ++s) {
        if (first.Has(*s) && PassesLeadingAfterFirst(s, plan) && tryFrom(s)) return;
      }
    }
  }
}

// The backtracking match of the word from w against the pattern from p. `nested` tells that
// this call was made for a '*', so that a '*' met here is at least the second on the path.
// kFast adds what only saves work: the run plans, the starts skipped without a call, and the
// memo. Without it this is the plain algorithm, kept as the reference for the tests.
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
        p = SkipSequenceClass(p) - 1;  // the loop's step moves past the closer
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
  SequenceMatcherMemory& memory = matchState.sequenceMemory;
  memory.memo.BeginWord(word, pattern);
  memory.runPlans.BeginWord();
  Walk<true>(word, pattern, false);
}

void MatchSequencePlain(const char* word, const char* pattern) {
  Walk<false>(word, pattern, false);
}

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
