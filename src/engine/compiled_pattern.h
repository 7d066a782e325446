#pragma once
// A prepared pattern compiled for its search type: everything a search works out once (the
// sequence automaton, the byte sets of Stack and Set, the digits of Frequency), held as a value
// that the scan keeps for the whole search. Matching reads it and never changes it, so any number
// of patterns can be in use at once, nested in each other's pumps included.

#include <cstddef>
#include <optional>
#include <string>

#include "engine/anagram_prefilter.h"
#include "engine/byte_set.h"
#include "engine/engine_types.h"
#include "engine/frequency_pattern.h"
#include "engine/sequence_automaton.h"
#include "engine/stack_pattern.h"
#include "engine/whole_word_matchers.h"

namespace kwintel {

struct CompiledPattern {
  SearchType type = SearchType::Sequence;
  std::string text;  // the prepared text, as the matchers without a compiled form read it

  // At most one of these is set: the form of `type`, where it has one.
  std::optional<SequenceAutomaton> sequence;  // without letter variables; negated by a leading '-'
  bool negated = false;
  std::optional<StackPattern> stack;
  std::optional<NibbleByteSet> stackNibbles;  // the Stack set, where words are taken whole
  std::optional<ByteSet> set;
  std::optional<FrequencyPattern> frequency;
  bool wholeWordFrequency = false;  // Frequency with '*' and digits, where words are taken whole
  std::optional<AnagramLetters> anagram;
};

// Compiles any text for `type`. A search passes a prepared pattern, but any text compiles, and
// matching it gives the verdicts its matchers give on that text.
CompiledPattern CompilePattern(SearchType type, std::string text);

// Clears matched and the three letter variables, then calls the matcher of the pattern's type with
// its compiled form (a type value outside 0-9 calls nothing). `word` is NUL-terminated, its NUL
// `length` bytes on.
void MatchCompiled(const CompiledPattern& pattern, const char* word, std::size_t length);

}  // namespace kwintel
