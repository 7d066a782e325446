#include "shell/command_table.h"

#include <array>

#include "ports/control_ids.h"
#include "shell/auxiliary_commands.h"
#include "shell/common_words.h"
#include "shell/narrow_results.h"
#include "shell/result_commands.h"
#include "shell/run_search.h"
#include "shell/word_file_sources.h"

namespace kwintel {
namespace {

template <int Slot>
void SelectSlot(MainDialog& dialog) {
  SelectWordSource(dialog, Slot);
}

constexpr std::array<Command, 23> kCommands = {{
    {ids::kGaZoeken, RunSearch},
    {ids::kDoorzoeken, NarrowResults},
    {ids::kOnderbreek, RequestStop},
    {ids::kKiesBestand, ChooseWordFile},
    {ids::kSource1, SelectSlot<1>},
    {ids::kSource2, SelectSlot<2>},
    {ids::kSource3, SelectSlot<3>},
    {ids::kSource4, SelectSlot<4>},
    {ids::kHoofdKlein, ToggleCase},
    {ids::kSorteer, SortResults},
    {ids::kVorige, RestoreResults},
    {ids::kKopieer, CopyResults},
    {ids::kSchrijfResultaat, WriteResultFile},
    {ids::kPrint, PrintResults},
    {ids::kAlle, CheckAllLengths},
    {ids::kGeen, ClearAllLengths},
    {ids::kMetLengte, ToggleWithLength},
    {ids::kIjEenLetter, ToggleIjOneLetter},
    {ids::kGangbaar, ToggleCommon},
    {ids::kFont, ChooseResultFont},
    {ids::kHulp, ShowHelp},
    {ids::kFocus, FocusPatternBox},
    {ids::kEinde, CloseMainDialog},
}};

// The commands that may pick another word-file set, which may bring counts or lose them.
bool ChangesWordSource(int id) {
  switch (id) {
    case ids::kKiesBestand:
    case ids::kSource1:
    case ids::kSource2:
    case ids::kSource3:
    case ids::kSource4:
      return true;
    default:
      return false;
  }
}

bool RefusedWhileRunning(int id) { return id == ids::kGaZoeken || id == ids::kDoorzoeken || ChangesWordSource(id); }

}  // namespace

std::span<const Command> CommandTable() { return kCommands; }

bool RunCommand(MainDialog& dialog, int id) {
  if (dialog.runDepth > 0 && RefusedWhileRunning(id)) return false;
  for (const Command& command : CommandTable()) {
    if (command.id == id) {
      command.run(dialog);
      if (ChangesWordSource(id)) ShowCommonAvailability(dialog);
      return true;
    }
  }
  return false;
}

}  // namespace kwintel
