#pragma once
// A PrintSurface on a QPrinter: device units at 300 dots per inch (the resolution the print
// layout's constants were made for), the printer's default font, text anchored at its top left
// corner, origin at the top left of the printable area.

#include <QFont>
#include <QPainter>
#include <QPrinter>

#include <memory>

#include "ports/print_surface.h"

namespace kwintel {

inline constexpr int kPrintResolution = 300;

class QtPrintSurface : public PrintSurface {
 public:
  // Takes a printer already chosen and set up (by the print dialog, or a test's PDF printer);
  // sets its resolution to 300 dpi.
  explicit QtPrintSurface(std::unique_ptr<QPrinter> printer);
  ~QtPrintSurface() override;

  int PrintableWidth() const override;
  int PrintableHeight() const override;
  void StartJob(std::string_view documentName) override;
  void EndJob() override;
  void StartPage() override;
  void EndPage() override {}
  TextExtent MeasureText(std::string_view text) override;
  void DrawText(int x, int y, std::string_view text) override;

  // Pages begun so far in this job.
  int PageCount() const { return pages_; }

 private:
  std::unique_ptr<QPrinter> printer_;
  QPainter painter_;
  QFont font_;
  int pages_ = 0;
};

}  // namespace kwintel
