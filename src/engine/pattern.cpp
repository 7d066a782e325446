#include "engine/pattern.h"

#include <algorithm>
#include <cstring>

#include "engine/word_match.h"

namespace kwintel {

std::string Pattern::TargetText() const {
  if (const auto* values = std::get_if<LetterValueForm>(&form_)) return std::to_string(values->target);
  if (const auto* telephone = std::get_if<TelephoneForm>(&form_)) return telephone->digits;
  return {};
}

Verdict Pattern::Match(const char* word, std::size_t length) const {
  return std::visit(WordMatch{word, length}, form_);
}

Verdict Pattern::MatchLine(std::string_view text) const {
  if (const auto* hidden = std::get_if<HiddenWordPattern>(&form_)) {
    // A plain word passes as it stands, however it lies in the clue: the line is kept as it is.
    if (FindHiddenWord(*hidden, text) != HiddenWordFind::None) return Matched(true);
    Verdict verdict = Matched(IsBackwardsLine(*hidden, text));
    verdict.backwards = verdict.matched;
    return verdict;
  }
  // A scored line «WORD SCORE» is tested by its word.
  const std::size_t end = std::holds_alternative<TilePattern>(form_) ? text.find(' ') : std::string_view::npos;
  const std::string word(text.substr(0, std::min(end, text.find('\0'))));
  return Match(word.c_str(), word.size());
}

}  // namespace kwintel
