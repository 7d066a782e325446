#pragma once
// The operations through which the logic touches the main dialog's controls, addressed by the ids
// of control_ids.h. The Qt dialog implements them with widgets; kwintel-cli in memory.
//
// All texts are Windows-1252 bytes: control texts, captions, the title and messages. File names
// that are shown go through FileNameForDisplay first.

#include <string>
#include <string_view>

#include "ports/font_description.h"
#include "ports/result_list.h"

namespace kwintel {

enum class MessageIcon { None, Exclamation };

class MainDialogView {
 public:
  virtual ~MainDialogView() = default;

  virtual void SetTitle(std::string_view text) = 0;
  // State of a check box, length toggle or radio.
  virtual bool IsChecked(int id) const = 0;
  virtual void SetChecked(int id, bool on) = 0;
  // Checks radio `id` and clears every other check-capable control whose id lies in first..last.
  virtual void CheckRadio(int first, int last, int id) = 0;
  // Text of an edit or the pattern box; caption of a button.
  virtual std::string GetText(int id) const = 0;
  virtual void SetText(int id, std::string_view text) = 0;
  virtual void SetVisible(int id, bool on) = 0;
  // Whether the control takes clicks; a disabled one shows so.
  virtual void SetEnabled(int id, bool on) = 0;
  // The pressed look of a push button, set from code, kept until code changes it.
  virtual void SetPressed(int id, bool on) = 0;
  virtual void SetFont(int id, const FontDescription& font) = 0;
  virtual void Focus(int id) = 0;
  virtual void SetProgressRange(int low, int high) = 0;
  virtual void SetProgress(int n) = 0;
  // Index of the first pattern-history entry that begins with text (letter case ignored), or -1.
  virtual int HistoryFind(std::string_view text) const = 0;
  // Adds text to the pattern history at its sorted place.
  virtual void HistoryAdd(std::string_view text) = 0;
  // A modal message with an OK button. An empty caption shows the program's name.
  virtual void ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) = 0;
  // List box 1105.
  virtual ResultList& Results() = 0;
  // Lets the front end handle pending input between two words of a running search or narrowing;
  // commands may run nested inside it.
  virtual void PumpMessages() = 0;
  // Ends the dialog ("Einde" after a successful ReadForm). Takes effect when the current command,
  // and any run it is nested in, has returned.
  virtual void EndDialog(bool ok) = 0;
};

}  // namespace kwintel
