#include "shell/auxiliary_commands.h"

#include "ports/control_ids.h"

namespace kwintel {
namespace {

void SetAllLengths(Session& session, bool on) {
  for (int length = kMinWordLength; length <= kMaxWordLength; ++length) {
    session.view.SetChecked(ids::LengthToggleId(length), on);
  }
}

}  // namespace

void CheckAllLengths(Session& session) { SetAllLengths(session, true); }

void ClearAllLengths(Session& session) { SetAllLengths(session, false); }

void ToggleWithLength(Session& session) {
  session.withLength = 1 - session.withLength;
  session.view.SetChecked(ids::kMetLengte, session.withLength != 0);
}

void ToggleIjOneLetter(Session& session) {
  session.ijOneLetter = 1 - session.ijOneLetter;
  session.view.SetChecked(ids::kIjEenLetter, session.ijOneLetter != 0);
}

void ChooseResultFont(Session& session) {
  const auto chosen = session.platform.ChooseFont(session.resultFont);
  if (!chosen) return;
  session.resultFont = *chosen;
  session.view.SetFont(ids::kResultList, session.resultFont);
  session.view.SetFont(ids::kPatternBox, session.resultFont);
}

void ShowHelp(Session& session) { session.platform.ShowHelp(); }

void RequestStop(Session& session) {
  session.run.stopRequested = true;
  session.run.interrupted = true;
}

void FocusPatternBox(Session& session) { session.view.Focus(ids::kPatternBox); }

}  // namespace kwintel
