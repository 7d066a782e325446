#pragma once
// The operations through which the commands touch the main dialog's controls, addressed by the ids
// of ports/control_ids.h. The Qt dialog implements them with widgets; kwintel-cli without a window.
//
// All texts are Windows-1252 bytes: control texts, captions, the title and messages. File names
// that are shown go through FileNameForDisplay first.

#include <string_view>

#include "ports/font_description.h"
#include "shell/form.h"

namespace kwintel {

enum class MessageIcon { None, Exclamation };

class MainDialogView {
 public:
  virtual ~MainDialogView() = default;

  virtual void SetTitle(std::string_view text) = 0;
  // State of a check box, toggle button or length toggle.
  virtual void SetChecked(int id, bool on) = 0;
  // Caption of a button.
  virtual void SetText(int id, std::string_view text) = 0;
  virtual void SetVisible(int id, bool on) = 0;
  // Whether the control takes clicks; a disabled one shows so.
  virtual void SetEnabled(int id, bool on) = 0;
  // The pressed look of a push button, set from code, kept until code changes it.
  virtual void SetPressed(int id, bool on) = 0;
  virtual void SetFont(int id, const FontDescription& font) = 0;
  virtual void Focus(int id) = 0;
  // The progress bar, 0 to 100.
  virtual void SetProgress(int percent) = 0;
  // The pattern box, the search-type and maximum radios and the two filters as `form` has them;
  // the length toggles stay as they are.
  virtual void ShowForm(const Form& form) = 0;
  // The pattern history took `text` at `index`.
  virtual void InsertHistory(int index, std::string_view text) = 0;
  // A modal message with an OK button. An empty caption shows the program's name.
  virtual void ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) = 0;
  // Lets the front end handle pending input between two words of a running search or narrowing;
  // commands may run nested inside it.
  virtual void PumpMessages() = 0;
  // Ends the dialog ("Einde" after the form was accepted). Takes effect when the current command,
  // and any run it is nested in, has returned.
  virtual void EndDialog(bool ok) = 0;
};

}  // namespace kwintel
