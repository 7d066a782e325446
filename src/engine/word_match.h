#pragma once
// The verdict of each form of a compiled pattern on one word, for Pattern::Match and for the
// search, which picks the form once per search rather than once per word.

#include <cstddef>

#include "engine/matchers.h"
#include "engine/pattern.h"

namespace kwintel {

// The verdict of each form on a word of `length` bytes before its NUL.
struct WordMatch {
  const char* word;
  std::size_t length;

  Verdict operator()(const SequenceForm& form) const {
    const bool matched = form.automaton ? form.automaton->Match(word) == 1 : MatchSequence(word, form.text.c_str());
    return Matched(matched != form.negated);
  }
  Verdict operator()(const AnagramForm& form) const {
    if (!form.letters.MayMatch(word, length)) return {};
    return MatchAnagram(word, form.text.c_str());
  }
  Verdict operator()(const SetForm& form) const { return Matched(MatchSet(word, form.set)); }
  Verdict operator()(const SubsetForm& form) const { return MatchSubset(word, form.text.c_str()); }
  Verdict operator()(const FrequencyForm& form) const {
    // The whole-word form answers -1 for a word too long for it.
    if (form.wholeWords) {
      if (const int enough = EnoughBytesOfEachCountWhole(word, length, form.pattern); enough >= 0) {
        return Matched(enough == 1);
      }
    }
    return Matched(MatchFrequency(word, form.pattern));
  }
  Verdict operator()(const StackForm& form) const {
    if (form.nibbles) {
      if (const int reaches = LongestRunReachesWhole(word, length, *form.nibbles, form.pattern.runLength);
          reaches >= 0) {
        return Matched(reaches == 1);
      }
    }
    return Matched(MatchStack(word, form.pattern));
  }
  Verdict operator()(const LetterValueForm& form) const {
    const auto target = static_cast<std::uint64_t>(form.target);
    return Matched(form.product ? MatchProduct(word, target) : MatchSum(word, target));
  }
  Verdict operator()(const AnagramMinusOneForm& form) const { return MatchAnagramMinusOne(word, form.text.c_str()); }
  Verdict operator()(const TelephoneForm& form) const { return Matched(MatchTelephone(word, form.digits.c_str())); }
  Verdict operator()(const MultiWordPattern& form) const {
    return Matched(PassesMultiWordNarrowing(form, {word, length}));
  }
  Verdict operator()(const HiddenWordPattern& form) const {
    const HiddenWordFind find = FindHiddenWord(form, {word, length});
    Verdict verdict = Matched(find != HiddenWordFind::None);
    verdict.backwards = find == HiddenWordFind::Backwards;
    return verdict;
  }
  Verdict operator()(const MisprintPattern& form) const { return Matched(MatchMisprint(form, {word, length})); }
  Verdict operator()(const TilePattern& form) const {
    const TileVerdict laid = form.Match({word, length});
    Verdict verdict = Matched(laid.matched);
    verdict.score = laid.score;
    return verdict;
  }
  Verdict operator()(const LingoPattern& form) const { return Matched(form.Match({word, length})); }
  Verdict operator()(const SoundPattern&) const { return {}; }
};

}  // namespace kwintel
