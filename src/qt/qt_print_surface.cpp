#include "qt/qt_print_surface.h"

#include <QFontMetrics>

#include "qt/cp1252_qstring.h"

namespace kwintel {

QtPrintSurface::QtPrintSurface(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {
  printer_->setResolution(kPrintResolution);
  printer_->setFullPage(false);
  // The default font as the printer renders it: its point size becomes pixels at 300 dpi.
  font_ = QFont(QFont(), printer_.get());
}

QtPrintSurface::~QtPrintSurface() {
  if (painter_.isActive()) painter_.end();
}

int QtPrintSurface::PrintableWidth() const { return printer_->width(); }

int QtPrintSurface::PrintableHeight() const { return printer_->height(); }

void QtPrintSurface::StartJob(std::string_view documentName) {
  printer_->setDocName(QStringFromCp1252(documentName));
  pages_ = 0;
}

void QtPrintSurface::EndJob() {
  if (painter_.isActive()) painter_.end();
}

void QtPrintSurface::StartPage() {
  // QPainter opens the job and its first page together; later pages follow with newPage().
  if (pages_ == 0) {
    if (!painter_.begin(printer_.get())) return;  // the printer refused: drawing goes nowhere
    painter_.setFont(font_);
  } else if (painter_.isActive()) {
    printer_->newPage();
  }
  ++pages_;
}

TextExtent QtPrintSurface::MeasureText(std::string_view text) {
  const QFontMetrics metrics(font_, printer_.get());
  return {metrics.horizontalAdvance(QStringFromCp1252(text)), metrics.height()};
}

void QtPrintSurface::DrawText(int x, int y, std::string_view text) {
  if (!painter_.isActive()) return;
  const QFontMetrics metrics(font_, printer_.get());
  painter_.drawText(x, y + metrics.ascent(), QStringFromCp1252(text));
}

}  // namespace kwintel
