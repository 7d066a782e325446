#include "engine/match_word.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "engine/byte_set.h"
#include "engine/frequency_pattern.h"
#include "engine/whole_word_matchers.h"
#include "engine/stack_pattern.h"
#include "engine/word_vector.h"

namespace kwintel {

namespace {

void ClearVerdict(MatchState& state) {
  state.matched = 0;
  state.ampVar = 0;
  state.dollarVar = 0;
  state.caretVar = 0;
}

// A leading '-' negates the verdict of the rest of the pattern.
template <typename... Length>
void MatchSequenceOrNot(const char* word, const char* pattern, Length... length) {
  if (pattern[0] == '-') {
    MatchSequence(word, pattern + 1, length...);
    matchState.matched = matchState.matched == 0 ? 1 : 0;
  } else {
    MatchSequence(word, pattern, length...);
  }
}

// What an Anagram pattern asks of a word before its '-': each of its characters as often as
// typed. A word that lacks one cannot match, and telling that from the word's bytes as they lie is
// much cheaper than MatchAnagram's copy and pairing. Both tests below are weaker than the pairing,
// never stricter: the pairing also looks at every byte up to the NUL.
struct AnagramLetters {
  static constexpr int kMaxLetters = 8;

  explicit AnagramLetters(const char* pattern) {
    for (const char* p = pattern; *p != '\0' && *p != '-'; ++p) {
      const std::uint64_t bit = std::uint64_t{1} << (static_cast<unsigned char>(*p) & 63);
      twice |= once & bit;
      once |= bit;
      const char* known = std::find(letters, letters + count, *p);
      if (known != letters + count) {
        ++needed[known - letters];
      } else if (count < kMaxLetters) {
        letters[count] = *p;
        needed[count++] = 1;
      }
    }
#if defined(__SSE2__)
    for (int k = 0; k < count; ++k) spread[k] = _mm_set1_epi8(letters[k]);
#endif
  }

  bool MayMatch(const char* word, std::size_t length) const {
#if defined(__SSE2__)
    // A word of up to 16 bytes whole: the first kMaxLetters distinct characters counted exactly.
    // The loops run the same for every word, so they cost no mispredicted branches.
    if (length <= 16) {
      const __m128i bytes = LoadWordBytes16(word, length);  // zeros past the end: no pattern character
      bool enough = true;
      for (int k = 0; k < count; ++k) {
        auto found = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, spread[k])));
        for (int n = 1; n < needed[k]; ++n) found &= found - 1;
        enough &= found != 0;
      }
      return enough;
    }
#endif
    // Any word: the characters as bits (byte & 63), seen once and seen twice.
    std::uint64_t seen = 0;
    std::uint64_t seenTwice = 0;
    for (std::size_t i = 0; i < length; ++i) {
      const std::uint64_t bit = std::uint64_t{1} << (static_cast<unsigned char>(word[i]) & 63);
      seenTwice |= seen & bit;
      seen |= bit;
    }
    return (seen & once) == once && (seenTwice & twice) == twice;
  }

  std::uint64_t once = 0;
  std::uint64_t twice = 0;
  char letters[kMaxLetters] = {};
  int needed[kMaxLetters] = {};
  int count = 0;
#if defined(__SSE2__)
  __m128i spread[kMaxLetters];  // letters[k] in every byte
#endif
};

// What a SteadyPatternScope has worked out of its pattern.
struct SteadyPattern {
  const char* text = nullptr;  // the address MatchWord receives; null outside a scope
  SearchType type = SearchType::Sequence;
  // A Sequence pattern without letter variables, decided by its pieces alone.
  const SequenceSegments* segments = nullptr;
  bool negated = false;
  std::optional<StackPattern> stack;
  std::optional<NibbleByteSet> stackNibbles;  // its set, where whole words are taken
  std::optional<ByteSet> set;
  std::optional<AnagramLetters> anagram;
  std::optional<FrequencyPattern> frequency;
  // Frequency with '*' and digits, where whole words are taken.
  bool wholeWordFrequency = false;
};
SteadyPattern steady;

}  // namespace

SteadyPatternScope::SteadyPatternScope(SearchType type, const char* pattern) {
  steady.text = pattern;
  steady.type = type;
  if (type == SearchType::Sequence) {
    SequenceSegments& segments = matchState.sequenceMemory.segments;
    steady.negated = pattern[0] == '-';
    if (segments.Trust(steady.negated ? pattern + 1 : pattern)) steady.segments = &segments;
  } else if (type == SearchType::Stack) {
    const StackPattern& stack = steady.stack.emplace(pattern);
    if (HasWholeWordMatchers()) steady.stackNibbles.emplace(stack.set);
  } else if (type == SearchType::Set) {
    steady.set.emplace(pattern);
  } else if (type == SearchType::Anagram) {
    steady.anagram.emplace(pattern);
  } else if (type == SearchType::Frequency) {
    const FrequencyPattern& frequency = steady.frequency.emplace(pattern);
    steady.wholeWordFrequency =
        frequency.wildcard && frequency.digits > 0 && !frequency.refused && HasWholeWordMatchers();
  }
}

SteadyPatternScope::~SteadyPatternScope() {
  matchState.sequenceMemory.segments.Distrust();
  steady = SteadyPattern{};
}

void MatchWordOfLength(SearchType type, const char* pattern, const char* word, std::size_t length) {
  ClearVerdict(matchState);
  // At most one of the worked-out forms is set: the one of the scope's type.
  if (pattern == steady.text && type == steady.type) {
    if (steady.segments != nullptr) {
      // What MatchSequenceOrNot would come to, without its calls: most words fail at once.
      matchState.matched = steady.segments->Match(word, length) ^ (steady.negated ? 1 : 0);
      return;
    }
    if (steady.stack) {
      if (steady.stackNibbles) {
        const int reaches = LongestRunReachesWhole(word, length, *steady.stackNibbles, steady.stack->runLength);
        if (reaches >= 0) {
          matchState.matched = reaches;
          return;
        }
      }
      MatchStack(word, *steady.stack);
      return;
    }
    if (steady.set) {
      MatchSet(word, *steady.set);
      return;
    }
    if (steady.frequency) {
      if (steady.wholeWordFrequency) {
        const int enough = EnoughBytesOfEachCountWhole(word, length, *steady.frequency);
        if (enough >= 0) {
          matchState.matched = enough;
          return;
        }
      }
      MatchFrequency(word, *steady.frequency);
      return;
    }
    if (steady.anagram && !steady.anagram->MayMatch(word, length)) {
      matchState.remainder.clear();  // as MatchAnagram leaves it on a word it refuses
      return;
    }
  }
  if (type == SearchType::Sequence) {
    MatchSequenceOrNot(word, pattern, length);
  } else {
    MatchWord(type, pattern, word);
  }
}

void MatchWord(SearchType type, const char* pattern, const char* word) {
  MatchState& state = matchState;
  ClearVerdict(state);
  switch (type) {
    case SearchType::Sequence:
      MatchSequenceOrNot(word, pattern);
      break;
    case SearchType::Anagram:
      MatchAnagram(word, pattern);
      break;
    case SearchType::Set:
      MatchSet(word, pattern);
      break;
    case SearchType::Subset:
      MatchSubset(word, pattern);
      break;
    case SearchType::Frequency:
      MatchFrequency(word, pattern);
      break;
    case SearchType::Stack:
      MatchStack(word, pattern);
      break;
    case SearchType::Product:
      MatchProduct(word);
      break;
    case SearchType::Sum:
      MatchSum(word);
      break;
    case SearchType::AnagramMinusOne:
      MatchAnagramMinusOne(word, pattern);
      break;
    case SearchType::Telephone:
      MatchTelephone(word, pattern);
      break;
  }
  // Any other value calls nothing and leaves matched 0.
}

}  // namespace kwintel
