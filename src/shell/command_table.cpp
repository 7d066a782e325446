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

struct Command {
  int id;
  void (*run)(Session&, const Form&);
};

// A command that reads no form.
template <void (*Run)(Session&)>
void WithoutForm(Session& session, const Form&) {
  Run(session);
}

template <int Slot>
void SelectSlot(Session& session, const Form&) {
  SelectWordSource(session, Slot);
}

constexpr std::array<Command, 23> kCommands = {{
    {ids::kGaZoeken, RunSearch},
    {ids::kDoorzoeken, NarrowResults},
    {ids::kOnderbreek, WithoutForm<RequestStop>},
    {ids::kKiesBestand, WithoutForm<ChooseWordFile>},
    {ids::kSource1, SelectSlot<1>},
    {ids::kSource2, SelectSlot<2>},
    {ids::kSource3, SelectSlot<3>},
    {ids::kSource4, SelectSlot<4>},
    {ids::kHoofdKlein, WithoutForm<ToggleCase>},
    {ids::kSorteer, WithoutForm<SortResults>},
    {ids::kVorige, WithoutForm<RestoreResults>},
    {ids::kKopieer, WithoutForm<CopyResults>},
    {ids::kSchrijfResultaat, WithoutForm<WriteResultFile>},
    {ids::kPrint, WithoutForm<PrintResults>},
    {ids::kAlle, WithoutForm<CheckAllLengths>},
    {ids::kGeen, WithoutForm<ClearAllLengths>},
    {ids::kMetLengte, WithoutForm<ToggleWithLength>},
    {ids::kIjEenLetter, WithoutForm<ToggleIjOneLetter>},
    {ids::kGangbaar, WithoutForm<ToggleCommon>},
    {ids::kFont, WithoutForm<ChooseResultFont>},
    {ids::kHulp, WithoutForm<ShowHelp>},
    {ids::kFocus, WithoutForm<FocusPatternBox>},
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

const Command* Find(int id) {
  for (const Command& command : kCommands) {
    if (command.id == id) return &command;
  }
  return nullptr;
}

}  // namespace

bool HasCommand(int id) { return Find(id) != nullptr; }

bool RunCommand(Session& session, int id, const Form& form) {
  if (session.runDepth > 0 && RefusedWhileRunning(id)) return false;
  const Command* command = Find(id);
  if (command == nullptr) return false;
  command->run(session, form);
  if (ChangesWordSource(id)) ShowCommonAvailability(session);
  return true;
}

}  // namespace kwintel
