#include "engine/lingo.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "engine/search_type.h"

namespace kwintel {

namespace {

// 0 .. 25 for A .. Z, 26 and above for any other byte.
unsigned LetterIndex(char c) { return static_cast<unsigned>(static_cast<unsigned char>(c)) - unsigned{'A'}; }

// Whether `guess` gives its colours against `word`, a word of its length: LingoColours(guess.word,
// word) == guess.colours without building the colours, and false for a word with a byte other than
// A-Z.
bool GivesColours(const LingoGuess& guess, std::string_view word) {
  std::array<std::uint8_t, 26> unused{};  // the word's letters that no green takes
  for (std::size_t i = 0; i < word.size(); ++i) {
    const bool green = word[i] == guess.word[i];
    if (green != (guess.colours[i] == 'G')) return false;
    if (green) continue;
    const unsigned index = LetterIndex(word[i]);
    if (index >= 26) return false;
    ++unused[index];
  }
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (guess.colours[i] == 'G') continue;
    std::uint8_t& left = unused[LetterIndex(guess.word[i])];
    const bool orange = left > 0;
    if (orange != (guess.colours[i] == 'O')) return false;
    if (orange) --left;
  }
  return true;
}

// The reason a guess `WORD/COLOURS` is refused, or "" when it is well-formed.
std::string GuessRefusal(std::string_view text, std::string_view word, std::string_view colours) {
  const auto unknown = [&](char c) { return "Onbekend teken " + std::string(1, c) + " in " + std::string(text); };
  if (word.empty()) return "Woord ontbreekt bij " + std::string(text);
  for (const char c : word) {
    if (LetterIndex(c) >= 26) return unknown(c);
  }
  if (word.size() < 2) return "Een gok heeft minstens 2 letters";
  if (colours.size() != word.size()) {
    return "Kleuren van " + std::string(word) + ": " + std::to_string(word.size()) + " tekens nodig";
  }
  for (const char c : colours) {
    if (c != 'G' && c != 'O' && c != '.') return unknown(c);
  }
  return {};
}

}  // namespace

std::string LingoColours(std::string_view guess, std::string_view answer) {
  std::string colours(guess.size(), '.');
  std::array<int, 256> unused{};
  for (std::size_t i = 0; i < answer.size(); ++i) {
    if (i < guess.size() && guess[i] == answer[i]) {
      colours[i] = 'G';
    } else {
      ++unused[static_cast<unsigned char>(answer[i])];
    }
  }
  for (std::size_t i = 0; i < guess.size(); ++i) {
    int& left = unused[static_cast<unsigned char>(guess[i])];
    if (colours[i] != 'G' && left > 0) {
      colours[i] = 'O';
      --left;
    }
  }
  return colours;
}

bool LingoPattern::Match(std::string_view word) const {
  if (word.size() != guesses_.front().word.size()) return false;
  for (const LingoGuess& guess : guesses_) {
    if (!GivesColours(guess, word)) return false;
  }
  return true;
}

std::variant<LingoPattern, std::string> PrepareLingo(std::string_view pattern) {
  LingoPattern compiled;
  for (std::size_t start = pattern.find_first_not_of(' '); start != std::string_view::npos;
       start = pattern.find_first_not_of(' ', start)) {
    const std::size_t end = std::min(pattern.find(' ', start), pattern.size());
    const std::string_view text = pattern.substr(start, end - start);
    start = end;
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos) return "Kleuren ontbreken bij " + std::string(text);
    const std::string_view word = text.substr(0, slash);
    const std::string_view colours = text.substr(slash + 1);
    if (std::string refusal = GuessRefusal(text, word, colours); !refusal.empty()) return refusal;
    if (!compiled.guesses_.empty() && word.size() != compiled.guesses_.front().word.size()) {
      return std::string("Alle gokken moeten even lang zijn");
    }
    compiled.guesses_.push_back({std::string(word), std::string(colours)});
  }
  if (compiled.guesses_.empty()) return std::string("Geef een of meer gokken, zoals KAART/G..O.");
  compiled.length_ = static_cast<int>(std::min<std::size_t>(compiled.guesses_.front().word.size(), kMaxWordLength));
  return compiled;
}

}  // namespace kwintel
