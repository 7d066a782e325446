#include "qt/word_search_dlg.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QFile>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

#include <algorithm>

#include "kwintel_version.h"
#include "ports/control_ids.h"
#include "qt/cp1252_qstring.h"
#include "qt/dialog_units.h"
#include "qt/group_frame.h"
#include "qt/main_dialog_template.h"
#include "qt/pressable_button.h"
#include "qt/qt_font.h"
#include "qt/result_list_box.h"
#include "qt/typed_capitals_validator.h"
#include "shell/command_table.h"

// The icon lives in a static library, whose resource initialiser the linker would drop unless
// something calls it; Q_INIT_RESOURCE must be used outside any namespace.
static void InitialiseKwintelResources() { Q_INIT_RESOURCE(kwintel); }

namespace kwintel {
namespace {

constexpr const char* kProgramName = "Kwintel";
constexpr const char* kIconResource = ":/kwintel/kwintel.svg";
// Set only by scripts/screenshot.sh: a pattern typed into the pattern box, then Enter, once the
// dialog shows.
constexpr const char* kScreenshotPatternVariable = "KWINTEL_SCREENSHOT_PATTERN";
// And the controls, by id separated by commas, clicked before the pattern is typed.
constexpr const char* kScreenshotClicksVariable = "KWINTEL_SCREENSHOT_CLICKS";

QString ExecutableFolderOfApplication() { return QCoreApplication::applicationDirPath() + QLatin1Char('/'); }

PressableButton* MakeToggle(const QString& caption, QWidget* parent) {
  auto* button = new PressableButton(caption, parent);
  button->setCheckable(true);
  // A focused toggle must not take Enter for itself: Enter still runs "&Ga zoeken".
  button->setAutoDefault(false);
  return button;
}

}  // namespace

CWordSearchDlg::CWordSearchDlg(QWidget* parent) : CWordSearchDlg(ExecutableFolderOfApplication(), parent) {}

CWordSearchDlg::CWordSearchDlg(const QString& executableFolder, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      executableFolder_(executableFolder),
      nativePlatform_(this, executableFolder),
      platform_(nativePlatform_) {
  InitialiseKwintelResources();
  setWindowTitle(QString::fromLatin1(kProgramName));
  const DialogUnits units(font());
  BuildControls(units);
  setFixedSize(units.X(kDialogWidthUnits), units.Y(kDialogHeightUnits));
  session_.emplace(*this, *resultList_, platform_);
  BindCommands();
  BindKeys();

  setWindowIcon(QIcon(QString::fromLatin1(kIconResource)));
  InitialiseSession(*session_, Form{}, QFile::encodeName(executableFolder_).toStdString());
  resultList_->Flush();
  CentreOnPointer();
}

CWordSearchDlg::~CWordSearchDlg() = default;

void CWordSearchDlg::BuildControls(const DialogUnits& units) {
  searchTypeGroup_ = new QButtonGroup(this);
  maxResultsGroup_ = new QButtonGroup(this);
  auto place = [&](QWidget* widget, const ControlTemplate& c) {
    widget->setGeometry(units.Rect(c.x, c.y, c.width, c.height));
  };

  for (const ControlTemplate& c : kMainDialogTemplate) {
    QWidget* widget = nullptr;
    switch (c.kind) {
      case ControlKind::PatternBox: {
        patternBox_ = new QComboBox(this);
        patternBox_->setEditable(true);
        patternBox_->setInsertPolicy(QComboBox::NoInsert);  // only HistoryAdd fills the history
        patternBox_->setCompleter(nullptr);                 // typing must not turn «ROOS» into «ROOST»
        patternBox_->setValidator(new TypedCapitalsValidator(patternBox_));
        patternBox_->setMaxVisibleItems(8);
        widget = patternBox_;
        place(widget, c);
        // The template's height is that of the dropped list; the box is as high as its font needs,
        // but never reaches into the row of buttons below it.
        patternBoxMaxHeight_ = units.Y(TemplateOf(ids::kMax100).y) - units.Y(c.y) - 2;
        FitPatternBoxHeight();
        break;
      }
      case ControlKind::Radio: {
        auto* button = MakeToggle(QString::fromUtf8(c.caption), this);
        const bool typeRadio = std::any_of(kSearchTypeRadios.begin(), kSearchTypeRadios.end(),
                                           [&](const SearchTypeRadio& radio) { return radio.id == c.id; });
        (typeRadio ? searchTypeGroup_ : maxResultsGroup_)->addButton(button, c.id);
        widget = button;
        place(widget, c);
        break;
      }
      case ControlKind::LengthToggle:
        for (int column = 0; column < 3; ++column) {
          for (int row = 0; row < 6; ++row) {
            const int length = 2 + column * 6 + row;
            const QString caption = length == 19 ? QStringLiteral("19+") : QString::number(length);
            auto* toggle = MakeToggle(caption, this);
            toggle->setGeometry(
                units.Rect(kLengthColumnX[column], kLengthRowY[row], kLengthColumnWidth[column], kLengthToggleHeight));
            controls_[ids::LengthToggleId(length)] = toggle;
          }
        }
        // Creation order is tab order: by length, as the ids run.
        for (int length = 3; length <= 19; ++length) {
          setTabOrder(controls_[ids::LengthToggleId(length - 1)], controls_[ids::LengthToggleId(length)]);
        }
        continue;
      case ControlKind::CheckBox:
        widget = new QCheckBox(QString::fromUtf8(c.caption), this);
        place(widget, c);
        break;
      case ControlKind::ToggleButton:
        widget = MakeToggle(QString::fromUtf8(c.caption), this);
        place(widget, c);
        break;
      case ControlKind::PushButton:
      case ControlKind::DefaultButton:
      case ControlKind::NoTabButton:
      case ControlKind::HiddenButton: {
        auto* button = new PressableButton(QString::fromUtf8(c.caption), this);
        if (c.kind == ControlKind::DefaultButton) button->setDefault(true);
        if (c.kind == ControlKind::NoTabButton) button->setFocusPolicy(Qt::ClickFocus);
        if (c.kind == ControlKind::HiddenButton) button->hide();
        widget = button;
        place(widget, c);
        break;
      }
      case ControlKind::ResultList:
        resultList_ = new ResultListBox(this);
        widget = resultList_;
        place(widget, c);
        break;
      case ControlKind::ProgressBar:
        progress_ = new QProgressBar(this);
        progress_->setRange(0, 100);
        progress_->setValue(0);
        progress_->setTextVisible(false);
        widget = progress_;
        place(widget, c);
        break;
      case ControlKind::FilterEdit: {
        auto* edit = new QLineEdit(this);
        edit->setValidator(new TypedCapitalsValidator(edit));
        widget = edit;
        place(widget, c);
        break;
      }
      case ControlKind::HiddenEdit:
        widget = new QLineEdit(this);
        widget->hide();
        place(widget, c);
        break;
      case ControlKind::Label:
        widget = new QLabel(QString::fromUtf8(c.caption), this);
        place(widget, c);
        break;
      case ControlKind::GroupBox: {
        auto* box = new GroupFrame(QString::fromUtf8(c.caption), this);
        place(box, c);
        box->lower();  // behind the controls it surrounds
        continue;
      }
      case ControlKind::VersionLine: {
        auto* label = new QLabel(QStringLiteral("Kwintel versie %1").arg(QLatin1String(KWINTEL_VERSION)), this);
        label->setEnabled(false);
        place(label, c);
        continue;
      }
    }
    if (c.id != kNoControlId) {
      widget->setObjectName(QStringLiteral("control%1").arg(c.id));
      controls_[c.id] = widget;
    }
  }
  searchTypeGroup_->setExclusive(true);
  maxResultsGroup_->setExclusive(true);
}

void CWordSearchDlg::BindCommands() {
  for (const auto& [id, widget] : controls_) {
    auto* button = qobject_cast<QAbstractButton*>(widget);
    if (!button || !HasCommand(id)) continue;
    const int command = id;
    connect(button, &QAbstractButton::clicked, this, [this, command] { RunControlCommand(command); });
  }
  connect(resultList_, &ResultListBox::CopyRequested, this, [this] { RunControlCommand(ids::kKopieer); });
}

void CWordSearchDlg::BindKeys() {
  // Escape and F2 move to the pattern box (the hidden "Focus" button's command); F1 asks for help.
  // Window-wide shortcuts act before any control sees the key, so Escape never reaches the
  // dialog's own handling, which would close it.
  const std::pair<int, int> keys[] = {
      {Qt::Key_Escape, ids::kFocus}, {Qt::Key_F2, ids::kFocus}, {Qt::Key_F1, ids::kHulp}};
  for (const auto& [key, id] : keys) {
    auto* shortcut = new QShortcut(QKeySequence(key), this);
    shortcut->setContext(Qt::WindowShortcut);
    shortcut->setAutoRepeat(false);
    const int command = id;
    connect(shortcut, &QShortcut::activated, this, [this, command] { RunControlCommand(command); });
  }
}

void CWordSearchDlg::keyPressEvent(QKeyEvent* event) {
  // Should an Escape get here after all (a control took the shortcut for itself and then let the
  // key go), it still only moves the focus.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    RunControlCommand(ids::kFocus);
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void CWordSearchDlg::RunControlCommand(int id) {
  struct Depth {
    int& depth;
    explicit Depth(int& d) : depth(d) { ++depth; }
    ~Depth() { --depth; }
  };
  {
    const Depth depth(commandDepth_);
    RunCommand(*session_, id, CurrentForm());
  }
  resultList_->Flush();
  if (commandDepth_ == 0 && pendingResult_) {
    const int result = *pendingResult_;
    pendingResult_.reset();
    QDialog::done(result);
  }
}

void CWordSearchDlg::done(int result) {
  if (commandDepth_ > 0) {
    // The first request wins; a close box pressed after "Einde" does not turn OK into Cancel.
    if (!pendingResult_) pendingResult_ = result;
    return;
  }
  QDialog::done(result);
}

void CWordSearchDlg::EndDialog(bool ok) { done(ok ? QDialog::Accepted : QDialog::Rejected); }

void CWordSearchDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shownBefore_) return;
  shownBefore_ = true;
  if (qEnvironmentVariableIsSet(kScreenshotPatternVariable)) {
    QTimer::singleShot(0, this, &CWordSearchDlg::RunScreenshotHook);
  }
}

void CWordSearchDlg::RunScreenshotHook() {
  for (const QString& id :
       qEnvironmentVariable(kScreenshotClicksVariable).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
    if (auto* button = qobject_cast<QAbstractButton*>(Control(id.toInt()))) button->click();
  }
  // Typed and entered as a user would: through the box's capitals, then Enter.
  patternBox_->setFocus(Qt::OtherFocusReason);
  patternBox_->lineEdit()->insert(qEnvironmentVariable(kScreenshotPatternVariable));
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QCoreApplication::sendEvent(patternBox_->lineEdit(), &press);
}

void CWordSearchDlg::CentreOnPointer() {
  const QPoint pointer = QCursor::pos();
  QScreen* screen = QGuiApplication::screenAt(pointer);
  if (!screen) screen = QGuiApplication::primaryScreen();
  QRect frame(QPoint(0, 0), size());
  frame.moveCenter(pointer);
  if (screen) {
    // Wholly on the screen the pointer is on, even when the pointer is near an edge.
    const QRect area = screen->availableGeometry();
    frame.moveLeft(std::clamp(frame.left(), area.left(), std::max(area.left(), area.right() - frame.width() + 1)));
    frame.moveTop(std::clamp(frame.top(), area.top(), std::max(area.top(), area.bottom() - frame.height() + 1)));
  }
  move(frame.topLeft());
}

void CWordSearchDlg::FitPatternBoxHeight() {
  patternBox_->resize(patternBox_->width(), std::min(patternBox_->sizeHint().height(), patternBoxMaxHeight_));
}

QWidget* CWordSearchDlg::Control(int id) const {
  const auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : it->second;
}

void CWordSearchDlg::SetTitle(std::string_view text) { setWindowTitle(QStringFromCp1252(text)); }

bool CWordSearchDlg::IsChecked(int id) const {
  const auto* button = qobject_cast<const QAbstractButton*>(Control(id));
  return button && button->isCheckable() && button->isChecked();
}

void CWordSearchDlg::SetChecked(int id, bool on) {
  auto* button = qobject_cast<QAbstractButton*>(Control(id));
  if (!button || !button->isCheckable()) return;
  QButtonGroup* group = button->group();
  if (!on && group && group->exclusive() && button->isChecked()) {
    // An exclusive group keeps its checked button; the form may clear a whole group all the same.
    group->setExclusive(false);
    button->setChecked(false);
    group->setExclusive(true);
    return;
  }
  button->setChecked(on);
}

Form CWordSearchDlg::CurrentForm() const {
  const auto text = [this](int id) { return Cp1252FromQString(qobject_cast<const QLineEdit*>(Control(id))->text()); };
  Form form;
  form.pattern = Cp1252FromQString(patternBox_->currentText());
  for (const SearchTypeRadio& radio : kSearchTypeRadios) {
    if (IsChecked(radio.id)) form.type = radio.type;
  }
  for (const MaxResultsRadio& radio : kMaxResultsRadios) {
    if (IsChecked(radio.id)) form.maxResults = radio.maxResults;
  }
  for (int length = kMinWordLength; length <= kMaxWordLength; ++length) {
    form.lengths[LengthIndex(length)] = IsChecked(ids::LengthToggleId(length));
  }
  form.mustContain = text(ids::kMetFilter);
  form.mustNotContain = text(ids::kZonderFilter);
  return form;
}

void CWordSearchDlg::ShowForm(const Form& form) {
  patternBox_->setEditText(QStringFromCp1252(form.pattern));
  for (const SearchTypeRadio& radio : kSearchTypeRadios) SetChecked(radio.id, radio.type == form.type);
  for (const MaxResultsRadio& radio : kMaxResultsRadios) SetChecked(radio.id, radio.maxResults == form.maxResults);
  SetText(ids::kMetFilter, form.mustContain);
  SetText(ids::kZonderFilter, form.mustNotContain);
}

void CWordSearchDlg::SetText(int id, std::string_view text) {
  QWidget* widget = Control(id);
  const QString value = QStringFromCp1252(text);
  if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    combo->setEditText(value);
  } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    edit->setText(value);
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(value);
  }
}

void CWordSearchDlg::SetVisible(int id, bool on) {
  if (QWidget* widget = Control(id)) widget->setVisible(on);
}

void CWordSearchDlg::SetEnabled(int id, bool on) {
  if (QWidget* widget = Control(id)) widget->setEnabled(on);
}

void CWordSearchDlg::SetPressed(int id, bool on) {
  if (auto* button = qobject_cast<PressableButton*>(Control(id))) button->SetPressedLook(on);
}

void CWordSearchDlg::SetFont(int id, const FontDescription& font) {
  QWidget* widget = Control(id);
  if (!widget) return;
  widget->setFont(QFontFromDescription(font));
  if (widget == patternBox_) FitPatternBoxHeight();
}

void CWordSearchDlg::Focus(int id) {
  if (QWidget* widget = Control(id)) widget->setFocus(Qt::OtherFocusReason);
}

void CWordSearchDlg::SetProgress(int percent) { progress_->setValue(percent); }

void CWordSearchDlg::InsertHistory(int index, std::string_view text) {
  // A combo box makes its first item current, which would replace the text being edited; the
  // box keeps showing what it showed.
  const QString shown = patternBox_->currentText();
  const int cursor = patternBox_->lineEdit()->cursorPosition();
  patternBox_->insertItem(index, QStringFromCp1252(text));
  if (patternBox_->currentIndex() != -1) patternBox_->setCurrentIndex(-1);
  if (patternBox_->currentText() != shown) {
    patternBox_->setEditText(shown);
    patternBox_->lineEdit()->setCursorPosition(cursor);
  }
}

void CWordSearchDlg::ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) {
  resultList_->Flush();
  QMessageBox box(icon == MessageIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                  caption.empty() ? QString::fromLatin1(kProgramName) : QStringFromCp1252(caption),
                  QStringFromCp1252(text), QMessageBox::Ok, this);
  box.exec();
}

void CWordSearchDlg::PumpMessages() {
  resultList_->Flush();
  // A quit seen here ends the application's loops only once the run has returned to them.
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

}  // namespace kwintel
