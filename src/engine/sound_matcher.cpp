#include "engine/sound_matcher.h"

namespace kwintel {
namespace {

SoundRule RuleOf(SearchType type) {
  if (type == SearchType::HalfRhyme) return SoundRule::kAssonance;
  if (type == SearchType::SoundsLike) return SoundRule::kHomophone;
  return SoundRule::kRhyme;
}

}  // namespace

std::optional<SoundMatcher> SoundMatcher::Bind(SearchType type, const SoundPattern& pattern, const SoundFile& sounds,
                                               PhonemeSource* phonemes) {
  SoundMatcher matcher(RuleOf(type), pattern.syllables, sounds);
  if (const std::optional<SoundWord> found = sounds.Find(pattern.word)) {
    matcher.pattern_ = *found;
    return matcher;
  }
  const std::string sound = phonemes != nullptr ? phonemes->PhonemesOf(pattern.word) : std::string();
  if (sound.empty()) return std::nullopt;
  matcher.own_ = std::make_shared<const OwnSound>(OwnSound{pattern.word, SoundForm(sound)});
  matcher.pattern_ = SoundWord{matcher.own_->word, {}, matcher.own_->form.Keys()};
  if (!matcher.pattern_.keys.HasVowel()) return std::nullopt;
  return matcher;
}

bool SoundMatcher::AcceptsWord(std::string_view word, PhonemeSource* phonemes) const {
  if (const std::optional<SoundWord> found = sounds_->Find(word)) return Accepts(*found);
  const std::string sound = phonemes != nullptr ? phonemes->PhonemesOf(word) : std::string();
  if (sound.empty()) return false;
  const SoundForm form(sound);
  return Accepts(SoundWord{word, {}, form.Keys()});
}

}  // namespace kwintel
