// The sequence matcher for patterns with letter variables (and for any text that no preparation
// leaves): backtracking, the letter variables bound as the walk goes and never unbound.

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "engine/matchers.h"
#include "engine/sequence_elements.h"
#include "engine/sequence_plain_match.h"

namespace kwintel {

namespace {

// The test of one pattern element other than '*' on the word character c (not a word end). It
// changes nothing: a binding mark's binding is the caller's step after a passed test.
inline bool Accepts(const char* p, char c, const SequenceOutcome& state) {
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
      return c != state.dollar && c != state.caret;
    case '%':
      return c != state.amp && c != state.caret;
    case '_':
      return c != state.amp && c != state.dollar;
    case '&':
      return c == state.amp;
    case '$':
      return c == state.dollar;
    case '^':
      return c == state.caret;
    case '*':
      return true;  // only in patterns that were never prepared ("**"): let the call decide
    default:
      return c == *p;
  }
}

// Memoised backtracking. What is left of a run from one of its starts on is decided by its state
// alone: the start, the run's '*', and the three variables as they stand (matched is false
// throughout).
// When that state failed before, it fails again and leaves the variables as it left them then, so
// the memo keeps, per failed state, the variables the run ended with. A run tried again from a
// later start, or with variables it has met before, then costs one look-up instead of a walk over
// the rest of the word, which keeps a word of any length linear in its number of states.
struct RunState {
  std::size_t start = 0;
  std::size_t star = 0;
  int amp = 0;
  int dollar = 0;
  int caret = 0;
  bool operator==(const RunState&) const = default;
};

struct RunStateHash {
  std::size_t operator()(const RunState& s) const {
    std::uint64_t h = (static_cast<std::uint64_t>(s.start) << 20 ^ s.star) * 0x9E3779B97F4A7C15ULL;
    h ^= (static_cast<std::uint64_t>(static_cast<std::uint32_t>(s.amp)) << 40) ^
         (static_cast<std::uint64_t>(static_cast<std::uint32_t>(s.dollar)) << 20) ^ static_cast<std::uint32_t>(s.caret);
    return static_cast<std::size_t>(h * 0xBF58476D1CE4E5B9ULL >> 17);
  }
};

struct Variables {
  int amp;
  int dollar;
  int caret;
};

// A run whose rest binds no variable leaves the variables as they are, and the starts it tries
// from w are those it tries from any later w' and more: once it failed from w, it fails from every
// w' >= w with the same variables. Its floor, the lowest start it failed from, answers those runs
// with one look-up and no per-start entry.
struct FloorKey {
  std::size_t star = 0;
  int amp = 0;
  int dollar = 0;
  int caret = 0;
  bool operator==(const FloorKey&) const = default;
};

struct FloorKeyHash {
  std::size_t operator()(const FloorKey& k) const {
    return RunStateHash{}(RunState{0, k.star, k.amp, k.dollar, k.caret});
  }
};

// One match of one word. Plain backtracking takes at most `budget` run starts; a walk that runs
// out is abandoned (`exhausted`) and the word is matched again with the memo, which bounds the
// work by the number of distinct states instead of the number of paths.
class Walker {
 public:
  Walker(const char* word, const char* pattern, long budget, bool remember)
      : word_(word), pattern_(pattern), budget_(budget), remember_(remember) {}

  void Walk(const char* w, const char* p);
  bool Exhausted() const { return exhausted_; }
  const SequenceOutcome& Outcome() const { return state_; }

 private:
  void Run(const char* w, const char* p);
  RunState StateAt(const char* s, const char* star) const {
    return RunState{static_cast<std::size_t>(s - word_), static_cast<std::size_t>(star - pattern_), state_.amp,
                    state_.dollar, state_.caret};
  }

  const char* word_;
  const char* pattern_;
  long budget_;  // below 0: no limit
  bool remember_;
  bool exhausted_ = false;
  SequenceOutcome state_;
  // Whether the rest after the '*' at each pattern offset binds a variable: 0 unknown, 1 no, 2 yes.
  bool RestBinds(const char* star);

  std::unordered_map<RunState, Variables, RunStateHash> failed_;
  std::unordered_map<FloorKey, std::size_t, FloorKeyHash> floors_;
  std::vector<signed char> restBinds_;
  // The states of the runs in progress, to be remembered as failed when their run fails: each
  // run's own above those of the runs it was tried from.
  std::vector<RunState> tried_;
};

// The walk of the word from w against the pattern from p.
void Walker::Walk(const char* w, const char* p) {
  SequenceOutcome& state = state_;
  if (state.matched || exhausted_) return;
  for (; *p != '\0' && !IsSequenceWordEnd(*w); ++w, ++p) {
    const char c = *w;
    if (*p == '*') {
      if (p[1] == '\0') {
        state.matched = true;  // the run takes the rest of the word, or nothing
        return;
      }
      Run(w, p);
      return;
    }
    if (!Accepts(p, c, state)) return;
    // Bindings are never undone when a path is abandoned.
    switch (*p) {
      case '\'':
        state.amp = c;
        break;
      case '%':
        state.dollar = c;
        break;
      case '_':
        state.caret = c;
        break;
      case '[':
      case '{':
        p = SkipSequenceClass(p) - 1;  // the loop's step moves past the closer
        break;
      default:
        break;
    }
  }
  if (!IsSequenceWordEnd(*w)) return;  // characters left over
  if (*p == '\0' || (*p == '*' && p[1] == '\0')) state.matched = true;
}

// A run ('*' at p, not the last pattern character) tried from every start w, w+1, ...: the rest of
// the pattern from there. The first start lets the run be empty; the last leaves one word
// character. Once one succeeds the later starts are not tried.
bool Walker::RestBinds(const char* star) {
  const auto at = static_cast<std::size_t>(star - pattern_);
  if (restBinds_.size() <= at) restBinds_.resize(at + 1, 0);
  if (restBinds_[at] == 0) {
    bool binds = false;
    for (const char* q = star + 1; *q != '\0' && !binds; ++q) {
      if (*q == '[' || *q == '{') {
        q = SkipSequenceClass(q) - 1;  // a class's characters are no marks
      } else {
        binds = *q == '\'' || *q == '%' || *q == '_';
      }
    }
    restBinds_[at] = binds ? 2 : 1;
  }
  return restBinds_[at] == 2;
}

void Walker::Run(const char* w, const char* p) {
  SequenceOutcome& state = state_;
  const char* rest = p + 1;
  if (remember_ && !RestBinds(p)) {
    const FloorKey key{static_cast<std::size_t>(p - pattern_), state.amp, state.dollar, state.caret};
    const auto start = static_cast<std::size_t>(w - word_);
    // A copy: the walks below add floors, which may move the table's entries.
    const auto known = floors_.find(key);
    const std::size_t floor = known == floors_.end() ? SIZE_MAX : known->second;
    if (start >= floor) return;  // fails, changing nothing
    for (const char* s = w; !IsSequenceWordEnd(*s); ++s) {
      if (static_cast<std::size_t>(s - word_) >= floor) break;
      if (!Accepts(rest, *s, state)) continue;
      Walk(s, rest);
      if (state.matched) return;
    }
    floors_[key] = start;
    return;
  }
  const std::size_t mark = tried_.size();
  for (const char* s = w; !IsSequenceWordEnd(*s); ++s) {
    if (budget_ >= 0 && --budget_ < 0) {
      exhausted_ = true;
      return;
    }
    // A start whose character the rest's first element refuses changes nothing: no call, and
    // nothing to remember (a later try of the run meets the next start that is remembered).
    if (!Accepts(rest, *s, state)) continue;
    if (remember_) {
      const RunState here = StateAt(s, p);
      if (const auto known = failed_.find(here); known != failed_.end()) {
        state.amp = known->second.amp;
        state.dollar = known->second.dollar;
        state.caret = known->second.caret;
        break;  // the rest of the run fails, leaving these values
      }
      tried_.push_back(here);
    }
    Walk(s, rest);
    if (state.matched || exhausted_) {
      tried_.resize(mark);
      return;
    }
  }
  if (!remember_) return;
  const Variables end{state.amp, state.dollar, state.caret};
  for (std::size_t i = mark; i < tried_.size(); ++i) failed_.emplace(tried_[i], end);
  tried_.resize(mark);
}

// Run starts that plain backtracking may take on one word before the memo takes over. Real words
// and patterns stay far below it; only a hostile word makes the paths explode.
constexpr long kPlainBudget = 20000;

}  // namespace

bool MatchSequence(const char* word, const char* pattern) {
  return MatchSequenceWithBudget(word, pattern, kPlainBudget).matched;
}

SequenceOutcome MatchSequenceWithBudget(const char* word, const char* pattern, long budget) {
  Walker plain(word, pattern, budget, false);
  plain.Walk(word, pattern);
  if (!plain.Exhausted()) return plain.Outcome();
  Walker remembering(word, pattern, -1, true);
  remembering.Walk(word, pattern);
  return remembering.Outcome();
}

SequenceOutcome MatchSequencePlain(const char* word, const char* pattern) {
  Walker plain(word, pattern, -1, false);
  plain.Walk(word, pattern);
  return plain.Outcome();
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
