#pragma once
// Turns a list of counted word forms into the counts file of a word-file set (PREFIX.FRQ, read by
// engine/word_counts.h): "WORD<TAB>COUNT" lines for the words of the set, sorted by byte value.

#include <array>
#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "word_list_builder.h"

namespace kwintel {

class CountsFileBuilder {
 public:
  // The set must outlive the builder; its word lists must be sorted (as Finish leaves them).
  explicit CountsFileBuilder(const WordLists& set);

  // One line of the counts list: white space, then a whole number, white space and a UTF-8 word
  // form; whatever follows the word is ignored. The form is converted as a line of the word list
  // is, so forms that become the same word (En, en) add up; a form that is no word of the set is
  // dropped. A line that does not start so (or whose number is too large) is skipped and counted.
  void AddLine(std::string_view line);

  std::size_t SkippedLines() const { return skippedLines_; }
  // Lines whose form is not a word of the set.
  std::size_t DroppedForms() const { return droppedForms_; }
  // Words of the set whose counts add up to more than 0: the lines Contents() writes.
  std::size_t CountedWords() const;

  // The counts file: one "WORD\tCOUNT\n" line per counted word, sorted by the word's bytes.
  std::string Contents() const;

 private:
  const WordLists& set_;
  // counts_[L - 2][i]: the count of set_.ForLength(L)[i].
  std::array<std::vector<std::uint64_t>, kMaxWordLength - kMinWordLength + 1> counts_;
  std::size_t skippedLines_ = 0;
  std::size_t droppedForms_ = 0;
};

// Reads a whole counts list (a byte-order mark before the first line is passed over) into a
// builder for `set`.
CountsFileBuilder BuildCountsFile(std::istream& countsList, const WordLists& set);

}  // namespace kwintel
