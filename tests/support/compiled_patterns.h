#pragma once
// Patterns compiled as a search compiles them, for the tests of the engine and above.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "engine/pattern.h"

namespace kwintel::testing_support {

// The pattern typed for `type`, compiled; nothing when it is refused.
inline std::optional<Pattern> Compiled(SearchType type, std::string_view typed) {
  auto compiled = Compile(type, typed);
  if (auto* pattern = std::get_if<Pattern>(&compiled)) return std::move(*pattern);
  return std::nullopt;
}

// The verdict of the typed pattern on `word` (which may hold any bytes; it is matched up to its
// size, with a NUL after it). A refused pattern fails the test and matches nothing.
inline Verdict VerdictOf(SearchType type, std::string_view typed, std::string_view word) {
  const std::optional<Pattern> pattern = Compiled(type, typed);
  EXPECT_TRUE(pattern.has_value()) << "refused: «" << typed << "»";
  if (!pattern) return {};
  const std::string text(word);
  return pattern->Match(text.c_str(), text.size());
}

inline bool Matches(SearchType type, std::string_view typed, std::string_view word) {
  return VerdictOf(type, typed, word).matched;
}

// The text the matchers of a compiled pattern read, as its preparation rewrote it (a sequence's
// leading '-' included); empty for the forms that keep no text.
inline std::string PreparedText(const Pattern& pattern) {
  return std::visit(
      [](const auto& form) -> std::string {
        using Form = std::decay_t<decltype(form)>;
        if constexpr (std::is_same_v<Form, SequenceForm>) {
          return (form.negated ? "-" : "") + form.text;
        } else if constexpr (std::is_same_v<Form, TelephoneForm>) {
          return form.digits;
        } else if constexpr (requires { form.text; }) {
          return form.text;
        } else {
          return std::string();
        }
      },
      pattern.Forms());
}

}  // namespace kwintel::testing_support
