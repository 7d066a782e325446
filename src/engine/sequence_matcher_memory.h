#pragma once
// What the sequence matcher keeps between its calls, inside the one MatchState: the plans of the
// current pattern's runs, kept from word to word, and the memo of the current word.

#include "engine/sequence_memo.h"
#include "engine/sequence_run_plan.h"

namespace kwintel {

struct SequenceMatcherMemory {
  SequenceRunPlans runPlans;
  SequenceMemo memo;
};

}  // namespace kwintel
