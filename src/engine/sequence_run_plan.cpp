#include "engine/sequence_run_plan.h"

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

namespace {

// Whether c (the element at p) is a single character that a word character can equal.
bool IsSingleCharacter(const char* p) {
  const auto c = static_cast<unsigned char>(*p);
  return c >= 32 && c < 128 && c != '.' && c != '?' && c != '/' && c != '\\' && c != '[' &&
         c != '{';
}

}  // namespace

RunPlan PlanRun(const char* rest) {
  RunPlan plan;
  for (const char* p = rest; *p != '\0'; ++p) {
    ++plan.elements;
    switch (*p) {
      case '*':
        plan.hasRun = true;
        if (p[1] != '\0') plan.recurses = true;
        break;
      case '[':
      case '{':
        p = SkipSequenceClass(p) - 1;  // listed characters are literal, never variables
        break;
      case '\'':  // a binding mark writes its variable and compares with the other two
      case '%':
      case '_':
        plan.binds = true;
        plan.variables = kAmpVariableByte | kDollarVariableByte | kCaretVariableByte;
        break;
      case '&':
        plan.variables |= kAmpVariableByte;
        break;
      case '$':
        plan.variables |= kDollarVariableByte;
        break;
      case '^':
        plan.variables |= kCaretVariableByte;
        break;
      default:
        break;
    }
  }
  const char* p = rest;
  while (plan.leadingCount < RunPlan::kMaxLeading &&
         SequenceElementSet(p, plan.leading[plan.leadingCount])) {
    if (plan.leadingCount == 0 && IsSingleCharacter(p)) plan.leadingSingle = *p == '@' ? ' ' : *p;
    ++plan.leadingCount;
    p = (*p == '[' || *p == '{') ? SkipSequenceClass(p) : p + 1;
  }
  return plan;
}

void SequenceRunPlans::Check(const char* pattern) {
  checked_ = true;
  // Compared up to the first difference, so nothing past either text's end is read.
  std::size_t i = 0;
  while (i < pattern_.size() && pattern_[i] == pattern[i]) ++i;
  if (i != pattern_.size() || pattern[i] != '\0') {
    pattern_.assign(pattern);
    slots_.assign(pattern_.size(), Slot{});
  }
}

void SequenceRunPlans::Prepare(Slot& slot, const char* star) {
  slot.plan = PlanRun(star + 1);
  slot.ready = true;
}

}  // namespace kwintel
