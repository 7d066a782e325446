#include <bit>
#include <cstdint>
#include <vector>

#include "engine/match_word.h"
#include "engine/sequence_matcher_internal.h"
#include "engine/sequence_run_plan.h"

namespace kwintel {

namespace {

inline bool IsWordEnd(char c) { return IsSequenceWordEnd(c); }

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

// Sets the variables of `touched` to their values in `packed`, as a remembered state ended.
void RestoreVariables(MatchState& state, std::uint32_t packed, std::uint32_t touched) {
  if (touched & kAmpVariableByte) state.ampVar = static_cast<int>(packed & 0xFF);
  if (touched & kDollarVariableByte) state.dollarVar = static_cast<int>(packed >> 8 & 0xFF);
  if (touched & kCaretVariableByte) state.caretVar = static_cast<int>(packed >> 16 & 0xFF);
}

// Added to the pattern offset of a run's key in the memo (sequence runs, below).
constexpr std::uint32_t kRunStateMark = std::uint32_t{1} << 31;

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
  // A key must hold the whole state; variables set from outside to values beyond a byte, a word
  // beyond 4 GiB or a pattern beyond 2 GiB (the offsets of runs' keys) are simply not remembered.
  if (static_cast<unsigned>(state.ampVar) > 0xFF || static_cast<unsigned>(state.dollarVar) > 0xFF ||
      static_cast<unsigned>(state.caretVar) > 0xFF || wordOffset > UINT32_MAX ||
      patternOffset >= kRunStateMark) {
    Walk<true>(w, p, true);
    return;
  }
  const SequenceMemo::Key key{static_cast<std::uint32_t>(wordOffset),
                              static_cast<std::uint32_t>(patternOffset),
                              PackedVariables(state) & touched};
  std::uint32_t end = 0;
  if (memo.Remembered(key, end)) {
    // The same state failed before; failing again it would leave exactly these values.
    RestoreVariables(state, end, touched);
    return;
  }
  Walk<true>(w, p, true);
  if (state.matched) return;
  // Every value is a word byte (32..127) or one the key already held, so each fits its byte.
  memo.Remember(key, PackedVariables(state) & touched);
}

// ---- The match ----

// Whether the letter variables hold bytes, as the packed form and the memo's keys need (tests may
// set them from outside to anything).
bool VariablesFitBytes(const MatchState& state) {
  return static_cast<unsigned>(state.ampVar) <= 0xFF &&
         static_cast<unsigned>(state.dollarVar) <= 0xFF &&
         static_cast<unsigned>(state.caretVar) <= 0xFF;
}

// Calls tryFrom(s) for each start s of the run whose rest begins at `rest`, from w up to `stop`
// (exclusive; null for the word's end), until it returns true. Starts that fail the plan's
// leading elements are passed over without a call.
template <typename TryFrom>
void ForEachStart(const char* w, const char* rest, const RunPlan& plan, const char* stop,
                  TryFrom tryFrom) {
  if (plan.leadingCount == 0) {
    for (const char* s = w; !IsWordEnd(*s) && s != stop; ++s) {
      if (Accepts(rest, *s, matchState) && tryFrom(s)) return;
    }
  } else if (std::uint64_t starts = 0; plan.leadingCount >= 2 && LeadingStarts(w, plan, starts)) {
    for (; starts != 0; starts &= starts - 1) {
      const char* s = w + std::countr_zero(starts);
      if (stop != nullptr && s >= stop) return;
      if (tryFrom(s)) return;
    }
  } else if (plan.leadingSingle != 0) {
    const char first = plan.leadingSingle;
    for (const char* s = w; !IsWordEnd(*s) && s != stop; ++s) {
      if (*s == first && PassesLeadingAfterFirst(s, plan) && tryFrom(s)) return;
    }
  } else {
    const SequenceCharacterSet& first = plan.leading[0];
    for (const char* s = w; !IsWordEnd(*s) && s != stop; ++s) {
      if (first.Has(*s) && PassesLeadingAfterFirst(s, plan) && tryFrom(s)) return;
    }
  }
}

// A run ('*' at p, not the last pattern character) tried from every start s = w, w+1, ...: the
// rest of the pattern from s. The first start lets the run be empty; the last leaves one word
// character. Once one succeeds the later calls would return at once, so they are not made.
//
// A run tried again from a later position of the same word (by each start of an earlier run)
// would walk the rest of the word again each time: quadratic in the word's length, which a word
// file with one long line exposes. So the fast form never tries a state of a run twice: a rest
// that binds no variable stops at the run's floor (sequence_run_floors.h); a nested run whose rest
// binds remembers each start it tried, with the variables it had there, as a state that fails
// with the values the whole run ends with.
template <bool kFast>
void Run(const char* w, const char* p, bool nested) {
  const char* rest = p + 1;
  if constexpr (!kFast) {
    for (const char* s = w; !IsWordEnd(*s); ++s) {
      Walk<false>(s, rest, true);
      if (matchState.matched) return;
    }
  } else {
    MatchState& state = matchState;
    SequenceMatcherMemory& memory = state.sequenceMemory;
    SequenceMemo& memo = memory.memo;
    SequenceRunFloors& floors = memory.runFloors;
    const RunPlan& plan = memory.runPlans.PlanOf(memo.PatternBase(), p);
    if (!plan.hasRun && !plan.binds) {
      // A rest without runs takes exactly its number of elements, so it can only succeed from
      // the start that leaves that many characters; every other start fails without binding
      // anything, as nothing in the rest binds. The word's end is found once per word.
      const char* end = floors.WordEnd();
      if (end == nullptr) {
        for (end = w; !IsWordEnd(*end); ++end) {
        }
        floors.SetWordEnd(end);
      }
      if (end - w >= plan.elements) Walk<true>(end - plan.elements, rest, true);
      return;
    }
    // Below a second '*' the same call can come round again by another split of the word; it
    // is remembered when it can recurse in turn.
    const bool rememberCalls = nested && plan.recurses;
    const auto call = [&](const char* s) {
      if (rememberCalls) {
        RememberingWalk(s, rest, plan.variables);
      } else {
        Walk<true>(s, rest, true);
      }
      return state.matched != 0;
    };
    const auto star = static_cast<std::size_t>(p - memo.PatternBase());
    const auto at = static_cast<std::size_t>(w - memo.WordBase());
    const bool fits = VariablesFitBytes(state);

    if (!plan.binds) {
      if (!fits) {
        ForEachStart(w, rest, plan, nullptr, call);
        return;
      }
      const std::uint32_t variables = PackedVariables(state) & plan.variables;
      const std::size_t floor = floors.FloorOf(star, variables);
      if (at >= floor) return;
      const char* stop = floor == SequenceRunFloors::kNoFloor ? nullptr : w + (floor - at);
      ForEachStart(w, rest, plan, stop, call);
      if (!state.matched) floors.Failed(star, variables, at);
      return;
    }

    // Only a nested run can come round again.
    if (!nested || !fits || star >= kRunStateMark) {
      ForEachStart(w, rest, plan, nullptr, call);
      return;
    }
    // Run states are keyed at the offset of their '*' with kRunStateMark added, apart from the
    // calls, which are keyed at the offset of a rest.
    std::vector<SequenceMemo::Key>& tried = memory.triedRunStates;
    const std::size_t mark = tried.size();
    ForEachStart(w, rest, plan, nullptr, [&](const char* s) {
      const auto offset = static_cast<std::uint64_t>(s - memo.WordBase());
      if (offset > UINT32_MAX) return call(s);
      const SequenceMemo::Key key{static_cast<std::uint32_t>(offset),
                                  static_cast<std::uint32_t>(star) + kRunStateMark,
                                  PackedVariables(state) & plan.variables};
      std::uint32_t end = 0;
      if (memo.Remembered(key, end)) {
        RestoreVariables(state, end, plan.variables);
        return true;  // the rest of the run fails, leaving these values
      }
      tried.push_back(key);
      return call(s);
    });
    if (!state.matched) {
      // Every value is a word byte or one a key already held, so each fits its byte.
      const std::uint32_t end = PackedVariables(state) & plan.variables;
      for (std::size_t i = mark; i < tried.size(); ++i) memo.Remember(tried[i], end);
    }
    tried.resize(mark);
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
  MatchSequence(word, pattern, SequenceSegments::kUnknownLength);
}

void MatchSequence(const char* word, const char* pattern, std::size_t length) {
  SequenceMatcherMemory& memory = matchState.sequenceMemory;
  if (memory.segments.Use(pattern)) {
    if (matchState.matched == 0) matchState.matched = memory.segments.Match(word, length);
    return;
  }
  memory.memo.BeginWord(word, pattern);
  memory.runPlans.BeginWord();
  memory.runFloors.BeginWord();
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
