#include "qt/tip_of_day_dlg.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStringDecoder>

#include "qt/dialog_units.h"
#include "qt/light_bulb_picture.h"
#include "text/text_encoding.h"
#include "tips/tip_of_day.h"
#include "tips/tip_strings.h"

namespace kwintel {

namespace {

// Tips files come in UTF-8, as we ship ours, or in the program's own Windows-1252.
QString TipForDisplay(const std::string& bytes) {
  QStringDecoder utf8(QStringConverter::Utf8);
  QString text = utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
  if (!utf8.hasError()) return text;
  return QString::fromStdString(Cp1252ToUtf8(bytes));
}

}  // namespace

CTipOfDayDlg::CTipOfDayDlg(TipOfDay& tip, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      tip_(tip),
      bulb_(LightBulbPicture()) {
  setWindowTitle(QString::fromUtf8(kTipDialogCaption));
  const DialogUnits units(font());

  // Created in the template's order, which is also the order of painting and of the Tab key.
  auto* blackFrame = new QFrame(this);
  blackFrame->setFrameStyle(QFrame::Box | QFrame::Plain);
  QPalette black = blackFrame->palette();
  black.setColor(QPalette::WindowText, Qt::black);
  blackFrame->setPalette(black);
  blackFrame->setGeometry(units.Rect(12, 11, 207, 123));

  // Transparent but for its sunken edge: paintEvent fills it white below.
  panel_ = new QFrame(this);
  panel_->setObjectName("tipPanel");
  panel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel_->setGeometry(units.Rect(20, 17, 190, 111));

  tipText_ = new QLabel(this);
  tipText_->setObjectName("tipText");
  tipText_->setTextFormat(Qt::PlainText);
  tipText_->setWordWrap(true);
  tipText_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  tipText_->setAutoFillBackground(true);
  QPalette white = tipText_->palette();
  white.setColor(QPalette::Window, Qt::white);
  white.setColor(QPalette::WindowText, Qt::black);
  tipText_->setPalette(white);
  tipText_->setGeometry(units.Rect(28, 63, 177, 60));

  showAtStart_ = new QCheckBox(QStringLiteral("&Toon tips bij start"), this);
  showAtStart_->setObjectName("showAtStart");
  // The template's width was made for an older, narrower font and check mark; grow the box to its
  // caption when it needs more, but never into "&Volgende tip".
  QRect box = units.Rect(13, 146, 69, 10);
  box.setWidth(qBound(box.width(), showAtStart_->sizeHint().width(), units.X(109 - 2) - box.left()));
  showAtStart_->setGeometry(box);

  nextTip_ = new QPushButton(QStringLiteral("&Volgende tip"), this);
  nextTip_->setObjectName("nextTip");
  nextTip_->setGeometry(units.Rect(109, 143, 50, 14));
  connect(nextTip_, &QPushButton::clicked, this, &CTipOfDayDlg::NextTip);

  close_ = new QPushButton(QStringLiteral("&Sluiten"), this);
  close_->setObjectName("close");
  close_->setDefault(true);
  close_->setGeometry(units.Rect(168, 143, 50, 14));
  connect(close_, &QPushButton::clicked, this, &CTipOfDayDlg::accept);

  setFixedSize(units.X(231), units.Y(164));
  FillControls();
}

void CTipOfDayDlg::accept() {
  tip_.Confirm(showAtStart_->isChecked());
  QDialog::accept();
}

void CTipOfDayDlg::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter painter(this);
  const QRect panel = panel_->geometry();
  painter.fillRect(panel, Qt::white);
  painter.drawImage(panel.topLeft(), bulb_);
  const QRect band(panel.left() + bulb_.width(), panel.top(), panel.width() - bulb_.width(), bulb_.height());
  painter.setFont(font());
  painter.setPen(Qt::black);
  painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, QString::fromUtf8(kTipHeading));
}

void CTipOfDayDlg::NextTip() {
  tip_.ReadNextTip();
  // This also puts the check box back to the kept state: a change not yet confirmed with
  // "&Sluiten" is undone, as the dialog always did.
  FillControls();
}

void CTipOfDayDlg::FillControls() {
  showAtStart_->setChecked(tip_.ShowAtStart());
  tipText_->setText(TipForDisplay(tip_.TipText()));
  nextTip_->setEnabled(tip_.HasTipsFile());
}

}  // namespace kwintel
