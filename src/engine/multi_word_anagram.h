#pragma once
// "Meerwoord": anagrams of a group of letters into two or more plain words, as a cryptogram's
// "(5,6,5)" asks for. Unlike the per-word types, a result combines several words, so the search
// first gathers the words that can take part (MultiWordIndex::Add, while the word files are
// read) and then lists the combinations (MultiWordIndex::Enumerate).

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "engine/flow.h"

namespace kwintel {

// A pattern prepared for the search.
struct MultiWordPattern {
  static constexpr int kMinLetters = 2;
  static constexpr int kMaxLetters = 60;
  static constexpr int kMaxParts = 4;

  std::string letters;     // LETTERS: 2 to 60 of A-Z
  std::vector<int> parts;  // the enumeration N1..Nk (2 to 4 parts), or empty for two words
  int minLength = 2;       // the word files to read, 19 standing for "19+"
  int maxLength = 2;

  // Whether a word of the file of `fileLength` (2..19, 19 being "19+") can take part in a
  // result. Without an enumeration: lengths 2 to |LETTERS| - 2; with one: the parts' lengths.
  // A search may skip the files between minLength and maxLength for which this is false.
  bool ReadsLength(int fileLength) const;
};

// Reads an upper-cased pattern: LETTERS, or LETTERS, one blank and an enumeration of 2 to 4
// whole numbers from 2 to 60 separated by commas that add up to |LETTERS|, as in
// «KRUISWOORDPUZZEL 5,5,6». Anything else, a second blank or a sign included, gives nothing.
std::optional<MultiWordPattern> PrepareMultiWordAnagram(std::string_view pattern);

// The narrowing test on a line's text (length prefix stripped, upper-cased): made of A-Z and
// blanks only, its letters exactly LETTERS, and with an enumeration its blank-separated parts
// exactly those lengths in that order.
bool PassesMultiWordNarrowing(const MultiWordPattern& pattern, std::string_view text);

// Why an enumeration ended.
enum class EnumerationEnd { Finished, StoppedByResult, StoppedByPump };

// The plain words that can take part in a result of one pattern, by their letter multiset.
//
// Memory: each distinct word that passes Add's filter once, about 150 bytes plus its letters
// (with an enumeration of 3 or 4 parts 26 bytes more for its letter counts); so at most that
// much per distinct plain word of the files read, some 70 MB if every word of the OpenTaal set
// passed, whatever the pattern. Enumerate adds a line buffer and a frame per part, nothing per result.
class MultiWordIndex {
 public:
  // Steps of the enumeration (words tried) between two calls of its pump.
  static constexpr std::uint64_t kStepsPerPump = 4096;

  explicit MultiWordIndex(const MultiWordPattern& pattern);

  // Offers the next word of the word files, in their order: shorter files first, then line
  // order. Kept when it is a plain word of a length that can take part, its letters a
  // sub-multiset of LETTERS, and not offered before (a word counts once, at its first line).
  // Cost: one pass over the word; a word that passes that filter adds two hash lookups.
  void Add(std::string_view word);

  // The number of distinct words kept.
  std::size_t WordCount() const { return entries_.size(); }

  // Hands every result to onLine as the line «W1 W2 ... Wk», in the order of W1's place among
  // the words offered, then W2's, and so on. Without an enumeration the results are the pairs
  // whose letters together are LETTERS, the shorter word first (of two of one length, the
  // lower in byte order); with one, every sequence with those lengths (so «5,5» lists both
  // orders). onLine returning Stop ends the enumeration at once (the maximum), and so does pump
  // returning Stop (an interrupt); pump is called once every kStepsPerPump steps, so even a
  // pattern of 60 letters in 4 parts, whose combinations can run into the billions, can be
  // stopped at any time.
  EnumerationEnd Enumerate(const std::function<Flow(std::string_view line)>& onLine,
                           const std::function<Flow()>& pump) const;

 private:
  using Counts = std::array<std::uint8_t, 26>;
  static constexpr std::uint32_t kNone = 0xFFFFFFFF;

  struct Entry {
    const char* text;   // its letters, in blocks_
    std::uint64_t key;  // its letter multiset (radix_)
    std::uint32_t length;
    std::uint32_t nextOfKey;  // the next word of the same letters, in place order, or kNone
  };
  struct Chain {
    std::uint32_t first;
    std::uint32_t last;
  };
  class Walk;

  std::string_view TextOf(std::uint32_t id) const { return {entries_[id].text, entries_[id].length}; }
  // A lasting copy of a word's letters.
  const char* Keep(std::string_view word);

  std::vector<int> parts_;
  std::size_t letterCount_ = 0;
  Counts letters_{};
  // Multiset keys: a mixed-radix number with one digit per letter, the digit of letter c
  // running from 0 to letters_[c]. A sub-multiset of LETTERS has exactly one key, and the key
  // of the letters left over after some words is the key of LETTERS minus theirs. For 60
  // letters the radices multiply to at most 4^8 * 3^18 (about 2.5e13), so a key fits 64 bits.
  std::array<std::uint64_t, 26> radix_{};
  std::uint64_t fullKey_ = 0;
  std::uint64_t wantedLengths_ = 0;  // bit L for word length L
  bool keepsCounts_ = false;         // an enumeration of 3 or 4 parts tests fits in between

  // The words' letters, in blocks that never move, so that seen_ can view them.
  static constexpr std::size_t kBlockBytes = std::size_t{1} << 16;
  std::vector<std::unique_ptr<char[]>> blocks_;
  std::size_t blockUsed_ = kBlockBytes;
  std::unordered_set<std::string_view> seen_;
  std::vector<Entry> entries_;  // by place: the order Add kept them in
  std::vector<Counts> counts_;  // by place, when keepsCounts_
  std::unordered_map<std::uint64_t, Chain> byKey_;
  std::array<std::vector<std::uint32_t>, MultiWordPattern::kMaxLetters + 1> byLength_;  // places
};

}  // namespace kwintel
