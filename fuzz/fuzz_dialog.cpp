#include "fuzz_dialog.h"

namespace kwintel::fuzz {

namespace {

constexpr int kMaxResultsValues[] = {100, 500, 1000, 15000};

}  // namespace

FuzzDialog::FuzzDialog(const ControlLines& control) {
  session.upperCaseMode = control.upperCase ? 1 : 0;
  session.withLength = control.withLength ? 1 : 0;
  session.ijOneLetter = control.ijOneLetter ? 1 : 0;
  form.pattern = control.pattern;
  form.type = control.type;
  form.maxResults = kMaxResultsValues[control.maxResultsPosition];
  form.mustContain = control.mustContain;
  form.mustNotContain = control.mustNotContain;
}

bool FuzzDialog::ShowedMessage(std::string_view caption) const {
  for (const MemoryView::Message& message : view.messages) {
    if (message.caption == caption) return true;
  }
  return false;
}

}  // namespace kwintel::fuzz
