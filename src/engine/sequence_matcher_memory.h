#pragma once
// What the sequence matcher keeps between its calls, inside the one MatchState: the plans of the
// current pattern's runs, kept from word to word, and the memo and run floors of the current word.

#include "engine/sequence_memo.h"
#include "engine/sequence_run_floors.h"
#include "engine/sequence_run_plan.h"

#include <vector>

namespace kwintel {

struct SequenceMatcherMemory {
  SequenceRunPlans runPlans;
  SequenceMemo memo;
  SequenceRunFloors runFloors;
  // The states of the nested runs in progress that are to be remembered when their run fails,
  // each run's own below those of the runs it was tried from.
  std::vector<SequenceMemo::Key> triedRunStates;
};

}  // namespace kwintel
