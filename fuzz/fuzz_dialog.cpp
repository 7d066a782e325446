#include "fuzz_dialog.h"

#include "engine/search_types.h"
#include "ports/control_ids.h"
#include "results/result_state.h"
#include "shell/program_state.h"

namespace kwintel::fuzz {
FuzzDialog::FuzzDialog(const ControlLines& control) {
  ResetProgramWideState();
  upperCaseMode = control.upperCase ? 1 : 0;
  dialog.withLength = control.withLength ? 1 : 0;
  dialog.ijOneLetter = control.ijOneLetter ? 1 : 0;
  view.SetChecked(ids::kMetLengte, control.withLength);
  view.SetChecked(ids::kIjEenLetter, control.ijOneLetter);
  view.SetText(ids::kHoofdKlein, control.upperCase ? "Hoofd" : "Klein");

  view.SetText(ids::kPatternBox, control.pattern);
  view.SetText(ids::kMetFilter, control.mustContain);
  view.SetText(ids::kZonderFilter, control.mustNotContain);
  const int typeRadio = FindSearchType(control.type)->radioId;
  for (int radio : kSearchTypeRadios) view.SetChecked(radio, radio == typeRadio);
  const auto position = static_cast<std::size_t>(control.maxResultsPosition);
  for (std::size_t i = 0; i < ids::kMaxResultsGroup.size(); ++i) {
    view.SetChecked(ids::kMaxResultsGroup[i], i == position);
  }
  maxResults = ids::kMaxResultsValues[position];
  for (int length = kMinWordLength; length <= kMaxWordLength; ++length) {
    view.SetChecked(ids::LengthToggleId(length), true);
  }
}

bool FuzzDialog::ShowedMessage(std::string_view caption) const {
  for (const MemoryView::Message& message : view.messages) {
    if (message.caption == caption) return true;
  }
  return false;
}

}  // namespace kwintel::fuzz
