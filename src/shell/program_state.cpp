#include "shell/program_state.h"

#include "engine/engine_types.h"
#include "results/result_state.h"
#include "shell/auxiliary_commands.h"
#include "shell/word_file_sources.h"

namespace kwintel {

void ResetProgramWideState() {
  target = 0;
  matchState = MatchState{};
  searchRunState = SearchRunState{};
  upperCaseMode = 1;
  sortMode = 0;
  resultFileName.clear();
  wordFilePrefix.clear();
  for (size_t slot = 0; slot < sourceSlots.size(); ++slot) {
    sourceSlots[slot] = WordSourceSlot{"Woorden(" + std::to_string(slot + 1) + ")", ""};
  }
  resultFont = FontDescription{};
}

}  // namespace kwintel
