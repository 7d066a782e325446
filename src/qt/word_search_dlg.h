#pragma once
// The main dialog on Qt: the widgets of the dialog template, the MainDialogView the commands
// reach them through, and the platform behind the commands' dialogs. Every button runs its
// command through the one command table; the widgets decide nothing themselves.

#include <QDialog>
#include <QString>

#include <map>
#include <optional>

#include "qt/platform_switch.h"
#include "qt/qt_platform.h"
#include "shell/main_dialog_view.h"
#include "shell/session.h"

class QButtonGroup;
class QComboBox;
class QProgressBar;

namespace kwintel {

class DialogUnits;
class ResultListBox;

class CWordSearchDlg : public QDialog, public MainDialogView {
  Q_OBJECT
 public:
  // Word files are discovered beside the running executable.
  explicit CWordSearchDlg(QWidget* parent = nullptr);
  // Word files are discovered in `executableFolder` (ending in '/'), which is also where the
  // help document is looked for after the current folder.
  CWordSearchDlg(const QString& executableFolder, QWidget* parent);
  ~CWordSearchDlg() override;

  // MainDialogView.
  void SetTitle(std::string_view text) override;
  void SetChecked(int id, bool on) override;
  void SetText(int id, std::string_view text) override;
  void SetVisible(int id, bool on) override;
  void SetEnabled(int id, bool on) override;
  void SetPressed(int id, bool on) override;
  void SetFont(int id, const FontDescription& font) override;
  void Focus(int id) override;
  void SetProgress(int percent) override;
  void ShowForm(const Form& form) override;
  void InsertHistory(int index, std::string_view text) override;
  void ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) override;
  void PumpMessages() override;
  void EndDialog(bool ok) override;

  // What the controls hold now, as a command takes it.
  Form CurrentForm() const;
  // Whether the check box, toggle or radio `id` is checked.
  bool IsChecked(int id) const;

  // An end asked for while a command runs (the close box, "Einde" nested in a search) takes
  // effect when the outermost command has returned.
  void done(int result) override;

  // The widget of control `id`, or null.
  QWidget* Control(int id) const;
  QComboBox* PatternBox() const { return patternBox_; }
  ResultListBox* ResultListWidget() const { return resultList_; }
  Session& Dialog() { return *session_; }
  const PatternHistory& History() const { return session_->history; }
  // Whether a command is running (a search keeps one running while it pumps).
  bool IsBusy() const { return commandDepth_ > 0; }

  // The platform the commands use: the real dialogs, or one put in place by a test.
  QtPlatform& NativePlatform() { return nativePlatform_; }
  void ReplacePlatform(Platform& platform) { platform_.SetTarget(platform); }
  void RestorePlatform() { platform_.SetTarget(nativePlatform_); }

 public slots:
  // Runs the command bound to control `id`, as a click on it does.
  void RunControlCommand(int id);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls(const DialogUnits& units);
  void BindCommands();
  void BindKeys();
  void CentreOnPointer();
  void FitPatternBoxHeight();
  void RunScreenshotHook();

  QString executableFolder_;
  std::map<int, QWidget*> controls_;
  QComboBox* patternBox_ = nullptr;
  ResultListBox* resultList_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QButtonGroup* searchTypeGroup_ = nullptr;
  QButtonGroup* maxResultsGroup_ = nullptr;
  int patternBoxMaxHeight_ = 0;
  QtPlatform nativePlatform_;
  PlatformSwitch platform_;
  std::optional<Session> session_;  // made once the result list exists
  int commandDepth_ = 0;
  std::optional<int> pendingResult_;
  bool shownBefore_ = false;
};

}  // namespace kwintel
