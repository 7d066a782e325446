#include "qt/group_frame.h"

#include <QPainter>
#include <QStyle>

namespace kwintel {

GroupFrame::GroupFrame(const QString& title, QWidget* parent) : QWidget(parent), title_(title) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
}

void GroupFrame::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const QFontMetrics metrics(font());
  const int titleHeight = metrics.height();

  // An etched line: a shadow line with a light line one pixel below and right of it. (The
  // style's own group-box frame would leave room for a title above it.)
  const QRect line = rect().adjusted(0, titleHeight / 2, -2, -2);
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(line);
  painter.setPen(palette().color(QPalette::Light));
  painter.drawRect(line.translated(1, 1));

  // The title interrupts the top line, a little in from the left corner.
  const int margin = metrics.averageCharWidth() / 2;
  const QRect titleRect(metrics.averageCharWidth(), 0, metrics.horizontalAdvance(title_) + 2 * margin, titleHeight);
  painter.fillRect(titleRect, palette().window());
  style()->drawItemText(&painter, titleRect, Qt::AlignCenter, palette(), isEnabled(), title_, QPalette::WindowText);
}

}  // namespace kwintel
