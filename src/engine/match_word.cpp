#include "engine/match_word.h"

#include <cstring>

#include "engine/compiled_pattern.h"

namespace kwintel {

void MatchWord(SearchType type, const char* pattern, const char* word) {
  MatchCompiled(CompilePattern(type, pattern), word, std::strlen(word));
}

}  // namespace kwintel
