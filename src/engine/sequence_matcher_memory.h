#pragma once
// What the sequence matcher keeps between its calls, inside the one MatchState: the current
// pattern worked out when it has no letter variables; otherwise the plans of its runs, kept from
// word to word, and the memo and run floors of the current word.

#include "engine/sequence_memo.h"
#include "engine/sequence_run_floors.h"
#include "engine/sequence_run_plan.h"
#include "engine/sequence_segments.h"

#include <vector>

namespace kwintel {

struct SequenceMatcherMemory {
  SequenceSegments segments;  // the current pattern, when it has no letter variables
  SequenceRunPlans runPlans;
  SequenceMemo memo;
  SequenceRunFloors runFloors;
  // The states of the nested runs in progress that are to be remembered when their run fails,
  // each run's own below those of the runs it was tried from.
  std::vector<SequenceMemo::Key> triedRunStates;
};

}  // namespace kwintel
