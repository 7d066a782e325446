#pragma once
// A pattern compiled for its search type: checked, rewritten and worked out once (the sequence
// automaton, the byte sets, the digits, the clue's index ...), then matched against any number of
// words. A compiled pattern never changes, so any number of them can be in use at once, one
// nested in another's search included.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "engine/anagram_prefilter.h"
#include "engine/byte_set.h"
#include "engine/frequency_pattern.h"
#include "engine/hidden_word.h"
#include "engine/lingo.h"
#include "engine/misprint.h"
#include "engine/multi_word_anagram.h"
#include "engine/search_type.h"
#include "engine/sequence_automaton.h"
#include "engine/sound_pattern.h"
#include "engine/stack_pattern.h"
#include "engine/tile_game.h"
#include "engine/verdict.h"
#include "engine/whole_word_matchers.h"

namespace kwintel {

// The forms of the types, one each. `text` is the pattern as its preparation rewrote it.
struct SequenceForm {
  std::string text;  // without its leading '-'
  bool negated = false;
  std::optional<SequenceAutomaton> automaton;  // when the pattern holds no letter variable
};
struct AnagramForm {
  std::string text;
  AnagramLetters letters;
};
struct SetForm {
  ByteSet set;
};
struct SubsetForm {
  std::string text;
};
struct FrequencyForm {
  FrequencyPattern pattern;
  bool wholeWords = false;  // with '*' and digits, on a processor with the whole-word forms
};
struct StackForm {
  StackPattern pattern;
  std::optional<NibbleByteSet> nibbles;  // on a processor with the whole-word forms
};
struct LetterValueForm {
  bool product = false;  // else the sum
  std::int64_t target = 0;
};
struct AnagramMinusOneForm {
  std::string text;
};
struct TelephoneForm {
  std::string digits;
};

class Pattern {
 public:
  using Form = std::variant<SequenceForm, AnagramForm, SetForm, SubsetForm, FrequencyForm, StackForm, LetterValueForm,
                            AnagramMinusOneForm, TelephoneForm, MultiWordPattern, HiddenWordPattern, MisprintPattern,
                            TilePattern, LingoPattern, SoundPattern>;

  Pattern(SearchType type, int minLength, int maxLength, Form form)
      : type_(type), minLength_(minLength), maxLength_(maxLength), form_(std::move(form)) {}

  SearchType Type() const { return type_; }
  // The word lengths worth reading, 2 <= MinLength() <= MaxLength() <= 19.
  int MinLength() const { return minLength_; }
  int MaxLength() const { return maxLength_; }
  const Form& Forms() const { return form_; }

  // What the summary line names after ", n = ": the target of Product and Sum, the digits of
  // Telephone; empty for the other types.
  std::string TargetText() const;

  // The verdict on a word of a word file: NUL-terminated, its NUL `length` bytes on. "Meerwoord"
  // combines words rather than matching them one by one: a word here is tested as a line of its
  // results. The sound types compare sounds, which a pattern bound to a sound file does
  // (engine/sound_matcher.h): here they match nothing.
  Verdict Match(const char* word, std::size_t length) const;

  // What "&Doorzoeken" asks of a line's text (length prefix stripped, upper-cased), taken up to its
  // first NUL: Match, but for "Verborgen", whose own lines «WORD <» pass too (with `backwards`),
  // and for Wordfeud and Scrabble, which test the word of a line «WORD SCORE».
  Verdict MatchLine(std::string_view text) const;

 private:
  SearchType type_;
  int minLength_;
  int maxLength_;
  Form form_;
};

// A pattern the preparation of its type refuses: the text to show, which is the pattern as typed
// (for Lingo the reason).
struct Refusal {
  std::string message;
};

// Upper-cases the typed pattern (ASCII letters only), prepares it for `type` and compiles it.
// Never reads outside `typed`, whatever its length; a type value that is no search type is
// refused too.
std::variant<Pattern, Refusal> Compile(SearchType type, std::string_view typed);

}  // namespace kwintel
