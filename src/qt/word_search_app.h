#pragma once
// The desktop program as a whole: start-up with the tip of the day, then the main dialog; the
// program ends when the main dialog does.

#include <QStringList>

#include <string>
#include <vector>

#include "engine/phoneme_source.h"

namespace kwintel {

class CWordSearchApp {
 public:
  // arguments: the command line as QCoreApplication::arguments() gives it, the program first.
  // phonemes: where the main dialog's session takes the sounds its sound file lacks; may be null.
  CWordSearchApp(const QStringList& arguments, PhonemeSource* phonemes);

  // Offers the tip of the day, then runs the main dialog modally until it ends, whatever its
  // result. Returns false: no message loop of the application follows, the program ends.
  // Needs a QApplication.
  bool StartApplication();

 private:
  // The tip dialog, unless a switch suppresses it: made, shown only when "&Toon tips bij start"
  // is on, and destroyed (saving its place) before the main dialog opens.
  void StartupTip();

  std::vector<std::string> arguments_;  // without the program
  PhonemeSource* phonemes_;
};

// Starts the desktop program: the tip of the day, then the main dialog; returns the exit code
// once the main dialog has ended.
int RunWordSearchApp(int argc, char** argv, PhonemeSource* phonemes);

}  // namespace kwintel
