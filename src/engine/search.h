#pragma once
// The search over a word-file set: the word files of the pattern's lengths, shortest first, each
// line a word handed to the pattern, and what it accepts reported to a sink. The search knows
// nothing of lists or dialogs; the sink decides what a find becomes and when to stop.

#include <cstdint>
#include <string_view>

#include "engine/flow.h"
#include "engine/pattern.h"
#include "engine/search_type.h"
#include "engine/sound_matcher.h"
#include "engine/verdict.h"
#include "engine/word_file_set.h"

namespace kwintel {

// How far a search has read: the bytes of the word files it has read, of all it reads (the words
// of the sound file, for the sound types). A total of 0 says nothing is known (the combining of
// "Meerwoord", after its files are read).
struct SearchProgress {
  std::int64_t bytesDone = 0;
  std::int64_t bytesTotal = 0;
};

class SearchSink {
 public:
  virtual ~SearchSink() = default;
  // The word file of `length` is open and about to be read.
  virtual void Reading(int length) = 0;
  // A word the pattern accepted, as the file holds it (for "Meerwoord" a line of words), with its
  // verdict; the view dies with the next line. Stop ends the search before the next line.
  virtual Flow Found(std::string_view word, const Verdict& verdict) = 0;
  // Before line 10,001 of a file and every 10,001 lines after, and every few thousand steps of the
  // combining of "Meerwoord": the moment to show progress and let the front end handle input.
  // Stop ends the search once the line being read has been tested.
  virtual Flow Progressed(const SearchProgress& progress) = 0;
};

// Reads the files of `set` of the lengths from the pattern's MinLength() to its MaxLength() that
// are checked in `lengths`, shortest first (a file that does not open is passed over), and reports
// every accepted word to `sink`. "Meerwoord" reads the files a word of its pattern can come from
// into its index first, then reports its combinations. The sound types walk the words of the
// set's sound file instead, length by length in the same order, with `sounds`, the pattern bound
// to that file (without it they find nothing); their progress counts words, not bytes. Allocates
// nothing per line but a verdict's remainder.
void Search(const Pattern& pattern, const WordFileSet& set, const Lengths& lengths, SearchSink& sink,
            const SoundMatcher* sounds = nullptr);

}  // namespace kwintel
