#include "sounds_file_builder.h"

#include <algorithm>
#include <vector>

#include "engine/phonemes.h"
#include "engine/sound_file.h"

namespace kwintel {
namespace {

// The first phoneme of `phonemes` (normalised) that espeak-ng's "nl" voice does not write; empty
// when there is none.
std::string_view UnknownPhoneme(std::string_view phonemes) {
  std::size_t at = 0;
  while (at < phonemes.size()) {
    std::size_t end = phonemes.find(' ', at);
    if (end == std::string_view::npos) end = phonemes.size();
    std::string_view phoneme = phonemes.substr(at, end - at);
    if (phoneme.front() == kPrimaryStress || phoneme.front() == kSecondaryStress) phoneme.remove_prefix(1);
    if (!IsKnownPhoneme(phoneme)) return phonemes.substr(at, end - at);
    at = end + 1;
  }
  return {};
}

}  // namespace

std::optional<SoundFixes> ReadSoundFixes(std::istream& table, std::string& failure) {
  SoundFixes fixes;
  std::string line;
  for (int number = 1; std::getline(table, line); ++number) {
    std::string_view text = line;
    if (number == 1 && text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    if (text.ends_with('\r')) text.remove_suffix(1);
    if (text.empty() || text.front() == '#') continue;
    const auto fail = [&](const std::string& why) {
      failure = "regel " + std::to_string(number) + ": " + why;
      return std::nullopt;
    };
    const std::size_t tab = text.find('\t');
    if (tab == std::string_view::npos) return fail("geen tab tussen woord en klank");
    const ListWord word = ConvertListWord(text.substr(0, tab));
    if (word.fault != ListWordFault::kNone) return fail("geen woord voor de woordbestanden");
    std::string phonemes = NormalisePhonemes(text.substr(tab + 1));
    if (phonemes.empty()) return fail("geen klank");
    if (const std::string_view unknown = UnknownPhoneme(phonemes); !unknown.empty()) {
      return fail("onbekende klank '" + std::string(unknown) + "'");
    }
    if (!fixes.emplace(word.word, std::move(phonemes)).second) return fail("woord staat er al eerder in");
  }
  return fixes;
}

std::string SoundsFileContents(const WordLists& set, const SoundFixes& fixes,
                               const std::function<std::string(std::string_view)>& phonemesOf,
                               SoundsFileReport& report) {
  std::vector<std::string_view> words;
  for (const auto& length : set.words) words.insert(words.end(), length.begin(), length.end());
  // Each length is sorted already, but the file is sorted across all lengths. string_view
  // compares through char_traits<char>, which orders by unsigned byte value.
  std::sort(words.begin(), words.end());

  report = SoundsFileReport{};
  std::string contents;
  for (const std::string_view word : words) {
    std::string phonemes;
    if (const auto fix = fixes.find(word); fix != fixes.end()) {
      phonemes = fix->second;
      ++report.fixed;
    } else {
      phonemes = NormalisePhonemes(phonemesOf(word));
    }
    if (phonemes.size() > SoundFile::kMaxPhonemeBytes) phonemes.clear();
    if (phonemes.empty()) ++report.soundless;
    contents += word;
    contents += '\t';
    contents += phonemes;
    contents += '\n';
  }
  report.words = words.size();
  report.unused = fixes.size() - report.fixed;
  return contents;
}

}  // namespace kwintel
