#pragma once
// The sounds of a word-file set: PREFIX.KLK beside PREFIX02.DOC ... PREFIX19.DOC. One line per
// word, "WORD<TAB>PHONEMES" with LF (or CR LF) line ends, sorted by the word's bytes, the word in
// Windows-1252 exactly as the word files hold it, the phonemes as engine/phonemes.h describes.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/rhyme.h"
#include "engine/search_type.h"

namespace kwintel {

// One word of a sound file, with what the rules compare of its sound. The views point into the
// SoundFile that handed it out.
struct SoundWord {
  std::string_view word;
  std::string_view phonemes;
  SoundKeys keys;
};

// A sound file, read once per word-file set and then walked by the searches. Reading works out
// each word's compared form (SoundKeys) once, so a search over every word compares hashes and
// only reads the text of the few words whose hashes agree. The value owns its bytes: it can be
// moved but not copied.
class SoundFile {
 private:
  struct Entry;

 public:
  SoundFile() = default;
  SoundFile(SoundFile&&) noexcept = default;
  SoundFile& operator=(SoundFile&&) noexcept = default;
  SoundFile(const SoundFile&) = delete;
  SoundFile& operator=(const SoundFile&) = delete;

  // The longest word and phoneme string a line may hold; a word file's word has at most 97
  // characters, its phonemes a few hundred.
  static constexpr std::size_t kMaxWordBytes = 255;
  static constexpr std::size_t kMaxPhonemeBytes = 1024;

  // Takes the bytes of a sound file. A line that is not "WORD<TAB>PHONEMES" is passed over and
  // counted in DamagedLines: one without a tab, with an empty word or one of a single byte (no word
  // file holds it), a word over kMaxWordBytes or phonemes over kMaxPhonemeBytes, a control byte
  // in the word, a byte that is no printable ASCII in the phonemes (espeak-ng's mnemonics are
  // ASCII), and every line after the first for a word listed twice. Lines out of order are put in
  // order. Empty phonemes are a word without a sound: no rule finds it. The file must be under
  // 1 GiB (LoadSoundFile refuses a larger one). Linear in the bytes, plus a sort when they are
  // out of order.
  static SoundFile FromContents(std::vector<char> contents);

  // The words of word-file length `length` (2 .. 19, 19 holding every longer word) with their
  // sounds, in rising byte order: the order of the word file of that length. Random access.
  class Words {
   public:
    class Iterator {
     public:
      Iterator(const Words& words, std::size_t index) : words_(&words), index_(index) {}
      SoundWord operator*() const { return (*words_)[index_]; }
      Iterator& operator++() {
        ++index_;
        return *this;
      }
      bool operator==(const Iterator& other) const { return index_ == other.index_; }

     private:
      const Words* words_;
      std::size_t index_;
    };

    std::size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    SoundWord operator[](std::size_t index) const;
    Iterator begin() const { return Iterator(*this, 0); }
    Iterator end() const { return Iterator(*this, count_); }

   private:
    friend class SoundFile;
    Words(const Entry* entries, std::size_t count, const char* bytes, const char* forms)
        : entries_(entries), count_(count), bytes_(bytes), forms_(forms) {}
    const Entry* entries_;
    std::size_t count_;
    const char* bytes_;
    const char* forms_;
  };
  Words WordsOfLength(int length) const;

  // The word `word` (its exact bytes) with its sound, or nothing when the file does not list it.
  // A binary search in the words of its length.
  std::optional<SoundWord> Find(std::string_view word) const;
  std::optional<std::string_view> PhonemesOf(std::string_view word) const;

  // Words listed (each once).
  std::size_t Size() const;
  std::size_t DamagedLines() const { return damagedLines_; }
  // Every line was good and the words came in strictly rising byte order: the form kwintel-mkwords
  // writes.
  bool WellFormed() const { return wellFormed_; }

 private:
  // One word: its line and its compared form by their places, 36 bytes, so a search walks a few
  // megabytes per length rather than chasing strings.
  struct Entry {
    std::uint32_t line;  // the word's first byte in bytes_
    std::uint32_t form;  // its compared form's first byte in forms_
    std::uint32_t wholeHash;
    std::uint32_t rhymeHash;
    std::uint32_t vowelHash;
    std::uint16_t phonemesLength;
    std::uint16_t wholeLength;
    std::uint16_t rhymeAt;
    std::uint16_t beforeAt;
    std::uint16_t beforeTokens;
    std::uint16_t vowelsLength;
    std::uint16_t syllables;
    std::uint8_t wordLength;
  };

  void ReadLines();

  std::vector<char> bytes_;  // a move keeps its bytes in place
  std::string forms_;
  std::array<std::vector<Entry>, kMaxWordLength - kMinWordLength + 1> entries_;
  std::size_t damagedLines_ = 0;
  bool wellFormed_ = false;
};

inline SoundWord SoundFile::Words::operator[](std::size_t index) const {
  const Entry& entry = entries_[index];
  const char* const line = bytes_ + entry.line;
  SoundLayout layout;
  layout.wholeLength = entry.wholeLength;
  layout.rhymeAt = entry.rhymeAt;
  layout.beforeAt = entry.beforeAt;
  layout.beforeTokens = entry.beforeTokens;
  layout.vowelsLength = entry.vowelsLength;
  layout.wholeHash = entry.wholeHash;
  layout.rhymeHash = entry.rhymeHash;
  layout.vowelHash = entry.vowelHash;
  layout.syllables = entry.syllables;
  return SoundWord{std::string_view(line, entry.wordLength),
                   std::string_view(line + entry.wordLength + 1, entry.phonemesLength),
                   SoundKeysAt(forms_ + entry.form, layout)};
}

enum class SoundFileState {
  kMissing,     // no file at that path: the set has no sounds
  kUnreadable,  // a file is there but cannot be read whole (a folder, no permission, a read error)
  kRead,
};

struct LoadedSoundFile {
  SoundFileState state = SoundFileState::kMissing;
  std::string failure;  // kUnreadable: the system's reason, for a message
  SoundFile sounds;     // empty unless kRead
};

// Reads the sound file at `path` whole. A damaged file still loads (its good lines count); only a
// missing or unreadable one gives no sounds. Never blocks on a FIFO. The OpenTaal set's file
// (409,000 words, 15 MB) takes about 0.2 s, nearly all of it working out the compared forms; a
// search over all its words afterwards about 2 ms.
LoadedSoundFile LoadSoundFile(const std::string& path);

}  // namespace kwintel
