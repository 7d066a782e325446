#include "qt/light_bulb_picture.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

namespace kwintel {

QImage LightBulbPicture() {
  QImage picture(40, 53, QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);

  const QPointF centre(20.0, 17.0);
  const QColor outline(96, 72, 0);

  // Rays over the top half, the light the bulb gives.
  painter.setPen(QPen(QColor(255, 176, 0), 1.6, Qt::SolidLine, Qt::RoundCap));
  for (int degrees = 180; degrees <= 360; degrees += 30) {
    double angle = qDegreesToRadians(static_cast<double>(degrees));
    QPointF direction(qCos(angle), qSin(angle));
    painter.drawLine(centre + 13.5 * direction, centre + 17.5 * direction);
  }

  // The glass: a round top narrowing into the neck.
  QPainterPath glass;
  glass.moveTo(15.0, 32.0);
  glass.cubicTo(15.0, 27.0, 8.5, 24.0, 8.5, 17.0);
  glass.arcTo(QRectF(8.5, 5.5, 23.0, 23.0), 180.0, -180.0);
  glass.cubicTo(31.5, 24.0, 25.0, 27.0, 25.0, 32.0);
  glass.closeSubpath();
  QRadialGradient glow(QPointF(16.0, 12.0), 16.0);
  glow.setColorAt(0.0, QColor(255, 255, 200));
  glow.setColorAt(1.0, QColor(255, 220, 0));
  painter.setPen(QPen(outline, 1.0));
  painter.setBrush(glow);
  painter.drawPath(glass);

  // The exclamation mark.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(176, 32, 0));
  painter.drawRoundedRect(QRectF(18.3, 9.0, 3.4, 12.0), 1.5, 1.5);
  painter.drawEllipse(QRectF(18.2, 23.0, 3.6, 3.6));

  // The screw cap.
  painter.setPen(QPen(QColor(80, 80, 80), 1.0));
  painter.setBrush(QColor(176, 176, 176));
  painter.drawRect(QRectF(15.0, 32.0, 10.0, 6.5));
  painter.drawLine(QPointF(15.0, 34.2), QPointF(25.0, 34.2));
  painter.drawLine(QPointF(15.0, 36.4), QPointF(25.0, 36.4));

  // The stand: a diamond, grey on its upper faces and cyan on its lower ones.
  const QPointF left(4.0, 45.5), top(20.0, 39.0), right(36.0, 45.5), bottom(20.0, 52.0);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(192, 192, 192));
  painter.drawPolygon(QPolygonF({left, top, right}));
  painter.setBrush(QColor(0, 200, 210));
  painter.drawPolygon(QPolygonF({left, right, bottom}));
  painter.setPen(QPen(QColor(64, 64, 64), 1.0));
  painter.setBrush(Qt::NoBrush);
  painter.drawPolygon(QPolygonF({left, top, right, bottom}));
  painter.drawLine(left, right);
  return picture;
}

}  // namespace kwintel
