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

// "PREFIX.FRQ": the counts file of the word-file set under `prefix` (file-system bytes, as given).
std::string CountsFilePath(const std::string& prefix);

// Word -> count, read once and then only looked up, once for every word a search with "Gangbaar"
// finds. The words stay in the file's bytes, which the value owns, so it can be moved but not
// copied.
class WordCounts {
 public:
  WordCounts() = default;
  WordCounts(WordCounts&&) noexcept = default;
  WordCounts& operator=(WordCounts&&) noexcept = default;
  WordCounts(const WordCounts&) = delete;
  WordCounts& operator=(const WordCounts&) = delete;

  // The longest word a counts file can list; a word file's word has at most 97 characters.
  static constexpr std::size_t kMaxWordLength = 65535;

  // Takes the bytes of a counts file. A line that is not "WORD<TAB>COUNT" (no tab, an empty word
  // or one over kMaxWordLength bytes, a count with anything but digits or too large for 64 bits)
  // is passed over and counted in
  // DamagedLines; a word listed twice gets the sum of its counts. Linear in the size; the file
  // must be under 4 GiB (LoadWordCounts refuses a larger one).
  static WordCounts FromContents(std::vector<char> contents);
  // Takes the bytes of a counts file that its check file vouches for (counts_check.h): known to
  // be well-formed and to hold `words` words, so they are not read line by line first.
  static WordCounts FromCheckedContents(std::vector<char> contents, std::size_t words);

  // How often `word` occurs; 0 for a word the file does not list. Case and bytes must match
  // exactly. The first kSearchedLookups look-ups of a well-formed file (every line a word and its
  // count, the words in strictly rising byte order, as kwintel-mkwords writes it) are a binary
  // search in its bytes; after them the hash table is built once, and then a look-up is one hash
  // and, as a rule, one or two slots compared. So a search that finds a few words, the usual one
  // in kwintel-cli, which reads the counts anew for every search, never pays for the table.
  std::uint64_t CountOf(std::string_view word) const;
  static constexpr std::size_t kSearchedLookups = 4096;

  // Every line a word and its count, the words in strictly rising byte order: the form
  // kwintel-mkwords writes, which a check file may vouch for.
  bool WellFormed() const { return wellFormed_; }
  // Words listed (each once, however many lines named it).
  std::size_t Size() const { return size_; }
  std::size_t DamagedLines() const { return damagedLines_; }

 private:
  // Open addressing with linear probing: a word's slot is found from its hash, going on to the
  // next slot while a slot holds another word. The table is at most half full, so a lookup, hit
  // or miss, ends after one or two slots on average; an empty slot (length 0, as no word is
  // empty) ends the probe. A slot keeps 16 bits of its word's hash, so a slot of another word is
  // passed over, as a rule, without reading that word's bytes: most words a search finds are not
  // listed, and their probes then touch the table alone. Over opentaal.FRQ a std::unordered_map
  // of string_views took about four times as long to load and a lookup (19 ms, 100 ns); without
  // the tags and the block-wise hash a lookup took twice as long.
  struct Slot {
    std::uint64_t count = 0;
    std::uint32_t offset = 0;  // the word's first byte in contents_
    std::uint16_t length = 0;  // 0: the slot is empty
    std::uint16_t tag = 0;     // the low 16 bits of the word's hash
  };

  // The index of the slot that holds `word`, or of the empty slot where it would go.
  std::size_t SlotOf(std::string_view word, std::uint64_t hash) const;
  // Fills the hash table from contents_; returns the number of distinct words.
  std::size_t BuildTable() const;
  // The count of `word` by a binary search in the bytes of a well-formed file.
  std::uint64_t SearchedCountOf(std::string_view word) const;

  std::vector<char> contents_;  // a vector's move keeps its bytes in place
  bool wellFormed_ = false;     // contents_ can be searched: see CountOf
  mutable std::size_t lookups_ = 0;
  mutable std::vector<Slot> slots_;  // a power of two of them, or none before BuildTable
  mutable int shift_ = 64;           // the hash's top bits pick the first slot: hash >> shift_
  std::size_t size_ = 0;
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

// Reads the counts file at `path` whole in one read. A damaged file still loads (its good lines
// count); only a missing or unreadable one gives no counts. Never blocks on a FIFO. When the check
// file beside it (CountsCheckPath) vouches for exactly the bytes read, they are taken as checked;
// a missing, unreadable or other check file changes nothing but the time the reading takes.
LoadedWordCounts LoadWordCounts(const std::string& path);

}  // namespace kwintel
