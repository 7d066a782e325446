#include "engine/rhyme.h"

#include "engine/phonemes.h"

namespace kwintel {
namespace {

struct Token {
  std::size_t at = 0;  // its first byte in the text, stress mark included
  std::size_t end = 0;
  std::string_view phoneme;  // without the stress mark
  bool vowel = false;
  bool stressed = false;
};

// The phonemes of a text one at a time. A stress mark on a token that is no vowel (only a
// hand-made or damaged string has one) passes on to the next vowel, as NormalisePhonemes does.
class TokenReader {
 public:
  explicit TokenReader(std::string_view text) : text_(text) {}

  bool Next(Token& token) {
    for (;;) {
      while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t')) ++at_;
      if (at_ == text_.size()) return false;
      token.at = at_;
      while (at_ < text_.size() && text_[at_] != ' ' && text_[at_] != '\t') ++at_;
      token.end = at_;
      std::string_view phoneme = text_.substr(token.at, token.end - token.at);
      while (!phoneme.empty() && (phoneme.front() == kPrimaryStress || phoneme.front() == kSecondaryStress)) {
        pendingStress_ = true;
        phoneme.remove_prefix(1);
      }
      if (phoneme.empty()) continue;
      token.phoneme = phoneme;
      token.vowel = IsVowelPhoneme(phoneme);
      token.stressed = token.vowel && pendingStress_;
      if (token.vowel) pendingStress_ = false;
      return true;
    }
  }

 private:
  std::string_view text_;
  std::size_t at_ = 0;
  bool pendingStress_ = false;
};

// espeak-ng's variants of one sound, taken as that sound (see rhyme.h).
std::string_view Heard(std::string_view phoneme) {
  if (phoneme == "I:") return "e:";
  if (phoneme == "O:") return "o:";
  if (phoneme == "E2") return "E";
  if (phoneme == "I2") return "I";
  if (phoneme == "3") return "@";
  if (phoneme == "*") return "r";
  return phoneme;
}

// Where a token stands in the text a walk places it in: the phonemes themselves, or the form
// being written.
struct Place {
  std::size_t at = 0;
  std::size_t end = 0;
};

// What a walk found: the places of the rhyme part's first token and of the sound before it, in
// the text the walk's `place` callback put the tokens in.
struct RhymePlan {
  bool found = false;  // false without a vowel
  Place rhyme;         // the rhyme part's first token
  Place before;        // the first token of the sound before it (valid when beforeTokens > 0)
  std::size_t beforeTokens = 0;
  int vowels = 0;
};

// Walks the tokens of `phonemes` once, handing each to place(token), which returns where that
// token stands in the caller's text, and works out the rhyme part and the sound before it there.
// The one definition of those terms, for the compared form and for the phoneme strings alike.
template <typename PlaceToken>
RhymePlan Walk(std::string_view phonemes, PlaceToken place) {
  // A vowel with what stands before it: the first token after the vowel before it and how many
  // tokens that is.
  struct VowelSeen {
    Place vowel;
    Place first;
    std::size_t tokensBefore = 0;
  };
  VowelSeen lastStressed;
  VowelSeen last;
  bool stressedSeen = false;
  RhymePlan plan;
  Place previousVowel;
  bool vowelBefore = false;
  Place firstSince;  // the first token since the previous vowel (or the start)
  std::size_t since = 0;
  TokenReader reader(phonemes);
  Token token;
  while (reader.Next(token)) {
    const Place here = place(token);
    if (!token.vowel) {
      if (since++ == 0) firstSince = here;
      continue;
    }
    VowelSeen seen{here, firstSince, since};
    // Right after another vowel the sound before is that vowel.
    if (since == 0 && vowelBefore) seen = VowelSeen{here, previousVowel, 1};
    ++plan.vowels;
    last = seen;
    if (token.stressed) {
      lastStressed = seen;
      stressedSeen = true;
    }
    previousVowel = here;
    vowelBefore = true;
    since = 0;
  }
  if (plan.vowels == 0) return plan;
  const VowelSeen& rhyme = stressedSeen ? lastStressed : last;
  plan.found = true;
  plan.rhyme = rhyme.vowel;
  plan.before = rhyme.first;
  plan.beforeTokens = rhyme.tokensBefore;
  return plan;
}

// A walk over the phoneme string itself.
RhymePlan PlanOf(std::string_view phonemes) {
  return Walk(phonemes, [](const Token& token) { return Place{token.at, token.end}; });
}

// FNV-1a: a hash that only has to turn unequal texts away; the rules compare the texts after it.
std::uint32_t HashOf(std::string_view text) {
  std::uint32_t hash = 2166136261u;
  for (const char c : text) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 16777619u;
  }
  return hash;
}

}  // namespace

SoundLayout AppendSoundForm(std::string_view phonemes, std::string& out) {
  const std::size_t start = out.size();
  // The form is never longer than the phonemes, nor its vowels: room for both at once.
  out.reserve(start + 2 * phonemes.size() + 2);
  const RhymePlan plan = Walk(phonemes, [&](const Token& token) {
    if (out.size() > start) out += ' ';
    const std::size_t at = out.size() - start;
    out += Heard(token.phoneme);
    return Place{at, out.size() - start};
  });
  SoundLayout layout;
  layout.syllables = plan.vowels;
  layout.wholeLength = out.size() - start;
  layout.rhymeAt = plan.found ? plan.rhyme.at : layout.wholeLength;
  layout.beforeTokens = plan.beforeTokens;
  layout.beforeAt = plan.beforeTokens > 0 ? plan.before.at : layout.rhymeAt;

  // The vowels of the rhyme part, read back from the form just written.
  const std::size_t vowelsStart = out.size();
  for (std::size_t at = start + layout.rhymeAt; at < vowelsStart;) {
    std::size_t end = at;
    while (end < vowelsStart && out[end] != ' ') ++end;
    if (IsVowelPhoneme(std::string_view(out.data() + at, end - at))) {
      if (out.size() > vowelsStart) out += ' ';
      out.append(out.data() + at, end - at);  // within the reserved room: no reallocation
    }
    at = end + 1;
  }
  layout.vowelsLength = out.size() - vowelsStart;

  const std::string_view whole(out.data() + start, layout.wholeLength);
  layout.wholeHash = HashOf(whole);
  layout.rhymeHash = HashOf(whole.substr(layout.rhymeAt));
  layout.vowelHash = HashOf(std::string_view(out.data() + vowelsStart, layout.vowelsLength));
  return layout;
}

std::string_view SoundKeys::BeforeOfLength(std::size_t tokens) const {
  if (tokens == 0 || rhymeAt == 0) return {};
  // Back from the blank before the rhyme part, over `tokens` phonemes or to the start.
  std::size_t at = rhymeAt - 1;
  for (std::size_t seen = 0; at > 0; --at) {
    if (whole[at - 1] == ' ' && ++seen == tokens) break;
  }
  return whole.substr(at, rhymeAt - 1 - at);
}

int SyllableCount(std::string_view phonemes) { return PlanOf(phonemes).vowels; }

std::string_view RhymePart(std::string_view phonemes) {
  const RhymePlan plan = PlanOf(phonemes);
  if (!plan.found) return {};
  std::size_t end = phonemes.size();
  while (end > plan.rhyme.at && (phonemes[end - 1] == ' ' || phonemes[end - 1] == '\t')) --end;
  return phonemes.substr(plan.rhyme.at, end - plan.rhyme.at);
}

std::string_view SoundBeforeRhyme(std::string_view phonemes) {
  const RhymePlan plan = PlanOf(phonemes);
  if (!plan.found || plan.beforeTokens == 0) return {};
  std::size_t end = plan.rhyme.at;
  while (end > plan.before.at && (phonemes[end - 1] == ' ' || phonemes[end - 1] == '\t')) --end;
  return phonemes.substr(plan.before.at, end - plan.before.at);
}

bool IsFullRhyme(std::string_view patternPhonemes, std::string_view wordPhonemes) {
  return IsFullRhyme(SoundForm(patternPhonemes).Keys(), SoundForm(wordPhonemes).Keys());
}

bool IsAssonance(std::string_view patternPhonemes, std::string_view wordPhonemes) {
  return IsAssonance(SoundForm(patternPhonemes).Keys(), SoundForm(wordPhonemes).Keys());
}

bool SoundsAlike(std::string_view patternPhonemes, std::string_view wordPhonemes) {
  return SoundsAlike(SoundForm(patternPhonemes).Keys(), SoundForm(wordPhonemes).Keys());
}

}  // namespace kwintel
