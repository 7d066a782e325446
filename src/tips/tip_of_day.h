#pragma once
// The tip of the day without its window: the kept state in the settings store (section "Tip"),
// the open tips file and the tip on show. The dialog of the desktop program is a view over one
// of these; it lives from the making of the dialog to its destruction.
//
// Tips file: one tip a line. A line that starts with a blank, a tab or ';', and an empty line
// (once its LF or CR LF is removed), is no tip. A line is read 999 characters at most; the rest
// of a longer line is read as the next line. After the last tip reading starts again at the top.

#include <cstdio>
#include <memory>
#include <string>

#include "ports/settings_store.h"
#include "tips/tip_messages.h"

namespace kwintel {

class TipOfDay {
 public:
  // Making the dialog object. Reads "StartUp" (showAtStart is on when it is 0 or absent) and
  // "FilePos", and opens the tips file at tipsPath. A file that cannot be opened, or is no
  // regular file, makes the tip text string 109 and touches no setting. Otherwise, when the file's
  // time stamp differs from "TimeStamp", the new stamp is written and reading starts at the top;
  // then the file is moved to the position (failing that: message 110, empty tip) and the first
  // tip is read. profile and messages must outlive this object.
  TipOfDay(SettingsStore& profile, TipMessages& messages, const std::string& tipsPath);
  // Writes "FilePos", the position after the last tip read, when the tips file is open, and
  // closes it; whether the tips were shown or not, and however the dialog was closed.
  ~TipOfDay();
  TipOfDay(const TipOfDay&) = delete;
  TipOfDay& operator=(const TipOfDay&) = delete;

  bool ShowAtStart() const { return showAtStart_; }
  // The tip on show, without its line end (Windows-1252 or UTF-8 bytes, as the file holds them).
  const std::string& TipText() const { return tipText_; }
  // Whether the tips file is open; "&Volgende tip" is enabled only then.
  bool HasTipsFile() const { return tipsStream_ != nullptr; }

  // Replaces the tip text with the next tip of the file, wrapping to the top at its end.
  void ReadNextTip();

  // "&Sluiten" or Enter: takes the check box's state as showAtStart and writes "StartUp", 0 when
  // checked and 1 when not. Escape and the close box have no counterpart: they write nothing.
  void Confirm(bool showAtStartChecked);

 private:
  struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };

  SettingsStore& profile_;
  TipMessages& messages_;
  bool showAtStart_ = true;
  std::string tipText_;
  std::unique_ptr<std::FILE, FileCloser> tipsStream_;
};

}  // namespace kwintel
