#pragma once
// The word counts of a word-file set: PREFIX.FRQ beside PREFIX02.DOC ... PREFIX19.DOC. One line
// per word, "WORD<TAB>COUNT" with LF (or CR LF) line ends, the word in Windows-1252 bytes exactly
// as the word files hold it, the count a whole decimal number.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kwintel {

// Word -> count, read once and then only looked up, once for every word a search with "Gangbaar"
// finds: a sorted vector. The value owns the words' bytes, so it can be moved but not copied.
class WordCounts {
 public:
  WordCounts() = default;
  WordCounts(WordCounts&&) noexcept = default;
  WordCounts& operator=(WordCounts&&) noexcept = default;
  WordCounts(const WordCounts&) = delete;
  WordCounts& operator=(const WordCounts&) = delete;

  // Takes the bytes of a counts file. A line that is not "WORD<TAB>COUNT" (no tab, an empty word,
  // a count with anything but digits or too large for 64 bits) is passed over and counted in
  // DamagedLines; a word listed twice gets the sum of its counts (at most the largest count).
  static WordCounts FromContents(std::vector<char> contents);

  // How often `word` occurs; 0 for a word the file does not list. Case and bytes must match
  // exactly. A binary search over the words: O(log n).
  std::uint64_t CountOf(std::string_view word) const;

  // Look-ups that go on from where the last one ended. A scan of one word file asks for its words
  // in the entries' order (one length, rising bytes), so each look-up gallops forward from the
  // last place (steps of 1, 2, 4 ... entries, then a binary search within the last step) over
  // memory the last one touched; a word not after the last one starts afresh. Gangbaar «*EN» at a
  // maximum of 15000 in process (81,000 look-ups, most of words the counts lack) against a plain
  // «*EN» by turns: 2.2-2.4 times with a binary search each, 1.6-1.8 times with the cursor (the
  // goal: at most twice).
  class Cursor {
   public:
    explicit Cursor(const WordCounts& counts) : counts_(counts) {}
    std::uint64_t CountOf(std::string_view word);

   private:
    const WordCounts& counts_;
    std::size_t next_ = 0;  // the first entry not before the last word asked
  };

  // Words listed (each once, however many lines named it).
  std::size_t Size() const { return entries_.size(); }
  std::size_t DamagedLines() const { return damagedLines_; }

 private:
  struct Entry {
    std::string_view word;  // in words_
    std::uint64_t count;
  };

  std::vector<char> words_;     // a move keeps them in place, and so the entries' views right
  std::vector<Entry> entries_;  // shorter words first, one length in byte order, each word once
  std::size_t damagedLines_ = 0;
};

enum class CountsFileState {
  kMissing,     // no file at that path: the set has no counts
  kUnreadable,  // a file is there but cannot be read whole (a folder, no permission, a read error)
  kRead,
};

struct LoadedWordCounts {
  CountsFileState state = CountsFileState::kMissing;
  std::string failure;  // kUnreadable: the system's reason, for a message
  WordCounts counts;    // empty unless kRead
};

// Reads the counts file at `path` whole. A damaged file still loads (its good lines count); only a
// missing or unreadable one gives no counts. Never blocks on a FIFO.
LoadedWordCounts LoadWordCounts(const std::string& path);

}  // namespace kwintel
