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

struct LoadedWordCounts;

// How LoadWordCounts takes the file's bytes.
enum class CountsReading {
  kCopy,  // read into memory of its own: for a program that keeps the counts while the user works
  // The file's pages mapped, shared with the system's file cache, which saves copying them: for a
  // program that ends soon after, as kwintel-cli does. A file cut short by another program while
  // it is mapped ends this one (SIGBUS), which must not happen to a program holding the user's work.
  kMap,
};

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
  // is passed over and counted in DamagedLines; a word listed twice gets the sum of its counts.
  // A file that is not well-formed is rewritten, in memory, into the form that is: its good lines
  // sorted, each word once. The file must be under 4 GiB (LoadWordCounts refuses a larger one).
  static WordCounts FromContents(std::vector<char> contents);

  // How often `word` occurs; 0 for a word the file does not list. Case and bytes must match
  // exactly. The first kSearchedLookups look-ups are a binary search in the file's bytes, so a
  // search that finds a few words, the usual one in kwintel-cli, which reads the counts anew for
  // every search, never pays for more. After them the lines are sorted out by the length of their
  // words, once, and a look-up searches the words of its own length from where the previous one
  // of that length ended: a scan of one word file finds its words in rising order, so its
  // look-ups walk that length's words once, front to back.
  std::uint64_t CountOf(std::string_view word) const;
  static constexpr std::size_t kSearchedLookups = 1024;

  // The file's bytes were well-formed: every line a word and its count, the words in strictly
  // rising byte order, the form kwintel-mkwords writes and a check file may vouch for.
  bool WellFormed() const { return fileWellFormed_; }
  // Words listed (each once, however many lines named it).
  std::size_t Size() const { return size_; }
  std::size_t DamagedLines() const { return damagedLines_; }

 private:
  // The lines whose words have one length, by the offset of their first byte, in the file's
  // order and so in rising order of their words; `next`: where the previous look-up of that
  // length ended, the place a galloping (exponential) search starts from. Beside each line the
  // first eight bytes of its word as a number (a leading key), which settles most comparisons
  // without reading the word's bytes, spread over the whole file: 81,000 look-ups of «*EN» words
  // took 4.4 ms with memcmp alone, 3.2 ms so.
  struct LengthRun {
    std::vector<std::uint64_t> keys;
    std::vector<std::uint32_t> lines;
    std::size_t next = 0;
  };

  // Sorts the lines out into runs_.
  void BuildRuns() const;
  // The count of `word` by a binary search in Contents().
  std::uint64_t SearchedCountOf(std::string_view word) const;
  // The count of `word` from the run of its length.
  std::uint64_t RunCountOf(std::string_view word) const;

  // A read-only mapping of a file's pages, unmapped when the value goes.
  class Mapping {
   public:
    Mapping() = default;
    Mapping(void* address, std::size_t size) : address_(address), size_(size) {}
    Mapping(Mapping&& other) noexcept { Swap(other); }
    Mapping& operator=(Mapping&& other) noexcept {
      Swap(other);
      return *this;
    }
    ~Mapping();
    std::string_view Bytes() const { return {static_cast<const char*>(address_), size_}; }

   private:
    void Swap(Mapping& other) noexcept;
    void* address_ = nullptr;
    std::size_t size_ = 0;
  };

  // Reads Contents() line by line for the words, the damaged lines and whether the file is
  // well-formed; a file that is not is rewritten into owned_.
  void ReadLines();
  friend LoadedWordCounts LoadWordCounts(const std::string& path, CountsReading reading);

  // The bytes, well-formed as read or rewritten: the file's pages when mapped, else owned_.
  std::string_view Contents() const {
    const std::string_view mapped = mapping_.Bytes();
    return mapped.data() != nullptr ? mapped : std::string_view(owned_.data(), owned_.size());
  }

  std::vector<char> owned_;  // a move keeps its bytes in place, and so the runs' offsets right
  Mapping mapping_;          // empty unless the file is mapped
  bool fileWellFormed_ = false;
  mutable std::size_t lookups_ = 0;
  mutable std::vector<LengthRun> runs_;  // by word length; none before BuildRuns
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
LoadedWordCounts LoadWordCounts(const std::string& path, CountsReading reading = CountsReading::kCopy);

}  // namespace kwintel
