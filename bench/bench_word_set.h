// The word-file set the benchmarks read: KWINTEL_BIN_DIR/opentaal02.DOC ... opentaal19.DOC (build
// target kwintel_word_files), or another set named by its prefix in the environment variable
// KWINTEL_WORD_PREFIX.
#pragma once

#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "engine/search_type.h"
#include "engine/word_file.h"
#include "engine/word_file_set.h"

namespace kwintel::bench {

inline std::string WordPrefix() {
  const char* chosen = std::getenv("KWINTEL_WORD_PREFIX");
  return chosen != nullptr && *chosen != '\0' ? chosen : std::string(KWINTEL_BIN_DIR) + "/opentaal";
}

// Every word of the set that ends in EN («*EN»), in the order a search reads them.
inline std::vector<std::string> WordsEndingInEn() {
  std::vector<std::string> words;
  WordFile file;
  for (int length = kMinWordLength; length <= kMaxWordLength; ++length) {
    if (!file.Open(WordFileSet::FileNameOf(WordPrefix(), length))) continue;
    const char* word = nullptr;
    std::size_t size = 0;
    while (file.NextLine(word, size)) {
      const std::string_view text(word, size);
      if (text.ends_with("EN")) words.emplace_back(text);
    }
  }
  return words;
}

}  // namespace kwintel::bench
