#pragma once
// Whether a line has an expected shape, for lines whose numbers vary with the word list.

#include <string_view>

namespace kwintel::cli::e2e {

// `shape` holds alternatives separated by '|'; in each, '#' stands for one or more digits, '?'
// for any one character, '*' for any run; every other character stands for itself.
inline bool HasShape(std::string_view text, std::string_view shape) {
  const auto matches = [](auto& self, std::string_view t, std::string_view s) -> bool {
    if (s.empty()) return t.empty();
    switch (s.front()) {
      case '*':
        for (std::size_t skip = 0; skip <= t.size(); ++skip) {
          if (self(self, t.substr(skip), s.substr(1))) return true;
        }
        return false;
      case '#': {
        std::size_t digits = 0;
        while (digits < t.size() && t[digits] >= '0' && t[digits] <= '9') ++digits;
        return digits > 0 && self(self, t.substr(digits), s.substr(1));
      }
      case '?':
        return !t.empty() && self(self, t.substr(1), s.substr(1));
      default:
        return !t.empty() && t.front() == s.front() && self(self, t.substr(1), s.substr(1));
    }
  };
  while (true) {
    const std::size_t bar = shape.find('|');
    if (matches(matches, text, shape.substr(0, bar))) return true;
    if (bar == std::string_view::npos) return false;
    shape.remove_prefix(bar + 1);
  }
}

}  // namespace kwintel::cli::e2e
