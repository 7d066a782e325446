#pragma once
// What printing needs of a printer: device units, text measuring and drawing, pages and a job.
// The layout is written against this so that it is tested without a printer.

#include <string_view>

namespace kwintel {

struct TextExtent {
  int cx = 0;
  int cy = 0;
};

class PrintSurface {
 public:
  virtual ~PrintSurface() = default;
  virtual int PrintableWidth() const = 0;   // device units
  virtual int PrintableHeight() const = 0;  // device units
  virtual void StartJob(std::string_view documentName) = 0;
  virtual void EndJob() = 0;
  virtual void StartPage() = 0;
  virtual void EndPage() = 0;
  // Text is Windows-1252.
  virtual TextExtent MeasureText(std::string_view text) = 0;
  virtual void DrawText(int x, int y, std::string_view text) = 0;
};

}  // namespace kwintel
