#include "engine/sound_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "engine/regular_file.h"

namespace kwintel {
namespace {

constexpr std::uint64_t kMaxFileBytes = std::uint64_t{1} << 30;

int FileLengthOf(std::size_t length) {
  return length < static_cast<std::size_t>(kMaxWordLength) ? static_cast<int>(length) : kMaxWordLength;
}

bool HasControlByte(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

bool IsPrintableAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

}  // namespace

SoundFile SoundFile::FromContents(std::vector<char> contents) {
  SoundFile result;
  result.bytes_ = std::move(contents);
  result.ReadLines();
  return result;
}

void SoundFile::ReadLines() {
  if (bytes_.size() >= kMaxFileBytes) {
    // Only bytes handed over whole can be this many; the places of 32 bits could not hold them.
    bytes_.clear();
    damagedLines_ = 1;
    return;
  }
  const std::size_t size = bytes_.size();
  // A compared form is never longer than its phonemes, nor its vowels: room for all of them at
  // once, so the forms never move while they are written.
  forms_.reserve(2 * size + 2);
  const char* const base = bytes_.data();
  bool rising = true;
  std::string_view previous;
  std::size_t next = 0;
  while (next < size) {
    const char* const start = base + next;
    const void* found = std::memchr(start, '\n', size - next);
    const std::size_t lineEnd = found ? static_cast<std::size_t>(static_cast<const char*>(found) - base) : size;
    std::string_view line(start, lineEnd - next);
    const std::size_t lineStart = next;
    next = lineEnd + 1;
    if (line.ends_with('\r')) line.remove_suffix(1);
    const std::size_t tab = line.find('\t');
    const std::string_view word = line.substr(0, tab);
    const std::string_view phonemes = tab == std::string_view::npos ? std::string_view() : line.substr(tab + 1);
    if (tab == std::string_view::npos || word.size() < static_cast<std::size_t>(kMinWordLength) ||
        word.size() > kMaxWordBytes || phonemes.size() > kMaxPhonemeBytes || HasControlByte(word) ||
        !IsPrintableAscii(phonemes)) {
      ++damagedLines_;
      continue;
    }
    if (!previous.empty() && !(previous < word)) rising = false;
    previous = word;

    const std::size_t formStart = forms_.size();
    const SoundLayout layout = AppendSoundForm(phonemes, forms_);
    Entry entry{};
    entry.line = static_cast<std::uint32_t>(lineStart);
    entry.form = static_cast<std::uint32_t>(formStart);
    entry.wholeHash = layout.wholeHash;
    entry.rhymeHash = layout.rhymeHash;
    entry.vowelHash = layout.vowelHash;
    // Each is at most the phonemes' length, which kMaxPhonemeBytes bounds.
    entry.phonemesLength = static_cast<std::uint16_t>(phonemes.size());
    entry.wholeLength = static_cast<std::uint16_t>(layout.wholeLength);
    entry.rhymeAt = static_cast<std::uint16_t>(layout.rhymeAt);
    entry.beforeAt = static_cast<std::uint16_t>(layout.beforeAt);
    entry.beforeTokens = static_cast<std::uint16_t>(layout.beforeTokens);
    entry.vowelsLength = static_cast<std::uint16_t>(layout.vowelsLength);
    entry.syllables = static_cast<std::uint16_t>(layout.syllables);
    entry.wordLength = static_cast<std::uint8_t>(word.size());
    entries_[LengthIndex(FileLengthOf(word.size()))].push_back(entry);
  }
  wellFormed_ = rising && damagedLines_ == 0;
  if (rising) return;

  // Out of order: each length sorted by its words, the first line of a word listed twice kept.
  for (std::vector<Entry>& entries : entries_) {
    const auto wordOf = [base](const Entry& entry) { return std::string_view(base + entry.line, entry.wordLength); };
    std::stable_sort(entries.begin(), entries.end(),
                     [&](const Entry& a, const Entry& b) { return wordOf(a) < wordOf(b); });
    const auto end = std::unique(entries.begin(), entries.end(),
                                 [&](const Entry& a, const Entry& b) { return wordOf(a) == wordOf(b); });
    damagedLines_ += static_cast<std::size_t>(entries.end() - end);
    entries.erase(end, entries.end());
  }
}

SoundFile::Words SoundFile::WordsOfLength(int length) const {
  if (length < kMinWordLength || length > kMaxWordLength) return Words(nullptr, 0, bytes_.data(), forms_.data());
  const std::vector<Entry>& entries = entries_[LengthIndex(length)];
  return Words(entries.data(), entries.size(), bytes_.data(), forms_.data());
}

std::optional<SoundWord> SoundFile::Find(std::string_view word) const {
  if (word.size() < static_cast<std::size_t>(kMinWordLength) || word.size() > kMaxWordBytes) return std::nullopt;
  const Words words = WordsOfLength(FileLengthOf(word.size()));
  std::size_t low = 0;
  std::size_t high = words.size();
  while (low < high) {
    const std::size_t middle = low + (high - low) / 2;
    if (words[middle].word < word) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  if (low == words.size() || words[low].word != word) return std::nullopt;
  return words[low];
}

std::optional<std::string_view> SoundFile::PhonemesOf(std::string_view word) const {
  const std::optional<SoundWord> found = Find(word);
  if (!found) return std::nullopt;
  return found->phonemes;
}

std::size_t SoundFile::Size() const {
  std::size_t size = 0;
  for (const std::vector<Entry>& entries : entries_) size += entries.size();
  return size;
}

LoadedSoundFile LoadSoundFile(const std::string& path) {
  LoadedSoundFile loaded;
  std::vector<char> contents;
  const int error = WithRegularFile(path, kMaxFileBytes, [&](int fd, std::size_t size) {
    const int readError = ReadWhole(fd, size, contents);
    return readError == 0 && contents.size() >= kMaxFileBytes ? EFBIG : readError;  // grown meanwhile
  });
  if (error == ENOENT) return loaded;
  if (error != 0) {
    loaded.state = SoundFileState::kUnreadable;
    loaded.failure = std::strerror(error);
    return loaded;
  }
  loaded.state = SoundFileState::kRead;
  loaded.sounds = SoundFile::FromContents(std::move(contents));
  return loaded;
}

}  // namespace kwintel
