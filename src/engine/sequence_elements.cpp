#include "engine/sequence_elements.h"

namespace kwintel {

bool SequenceElementSet(const char* p, SequenceCharacterSet& set) {
  set = SequenceCharacterSet{};
  switch (*p) {
    case '.':
    case '?':
      set = SequenceCharacterSet::AllWordCharacters();
      return true;
    case '/':
      set = kSequenceVowels;
      return true;
    case '\\':
      set = kSequenceConsonants;
      return true;
    case '@':
      set.Add(' ');
      return true;
    case '[':
      for (const char* q = p + 1; *q != '\0' && *q != ']'; ++q) set.Add(*q);
      return true;
    case '{':
      set = SequenceCharacterSet::AllWordCharacters();
      for (const char* q = p + 1; *q != '\0' && *q != '}'; ++q) set.Remove(*q);
      return true;
    case '\0':
    case '*':
    case '\'':
    case '%':
    case '_':
    case '&':
    case '$':
    case '^':
      return false;
    default:
      set.Add(*p);
      return true;
  }
}

}  // namespace kwintel
