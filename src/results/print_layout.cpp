#include "results/print_layout.h"

#include <cstdint>
#include <cstdio>

namespace kwintel {
namespace {

constexpr int kLeftEdge = 150;
constexpr int kHeaderTop = 75;
constexpr int kFirstLineTop = 150;
constexpr int kRightMargin = 75;
constexpr int kBottomMargin = 300;
constexpr int kColumnGap = 30;

}  // namespace

std::string FormatPageHeader(std::string_view prefixShown, const std::tm& time, int page) {
  static constexpr const char* kFormat = "ZARVO Uit %.*s op %d-%d-%d %2d:%02d:%02d, pagina %d";
  const int prefixLength = static_cast<int>(prefixShown.size());
  const auto format = [&](char* out, size_t size) {
    return std::snprintf(out, size, kFormat, prefixLength, prefixShown.data(), time.tm_mday, time.tm_mon + 1,
                         time.tm_year + 1900, time.tm_hour, time.tm_min, time.tm_sec, page);
  };
  const int length = format(nullptr, 0);
  if (length <= 0) return {};
  std::string header(static_cast<size_t>(length), '\0');
  format(header.data(), header.size() + 1);
  return header;
}

void PrintResultLines(PrintSurface& surface, const ResultList& list, std::string_view prefixShown,
                      const std::function<std::tm()>& localTimeNow) {
  // 64-bit positions: a surface may measure anything, and x + width must not overflow.
  const int64_t rightLimit = int64_t{surface.PrintableWidth()} - kRightMargin;
  const int64_t bottomLimit = int64_t{surface.PrintableHeight()} - kBottomMargin;
  surface.StartJob(kPrintJobName);

  bool pageOpen = false;
  int page = 1;
  int64_t x = kLeftEdge;
  int64_t y = kFirstLineTop;
  int64_t widest = 0;  // since the page began, not the column
  // The count is read again for every line: the list is the live one.
  for (int i = 0; i < list.Count() - 1; ++i) {
    const std::string line = list.Text(i);
    const TextExtent extent = surface.MeasureText(line);
    if (!pageOpen || x + extent.cx > rightLimit) {
      if (pageOpen) surface.EndPage();
      surface.StartPage();
      pageOpen = true;
      surface.DrawText(kLeftEdge, kHeaderTop, FormatPageHeader(prefixShown, localTimeNow(), page));
      ++page;
      x = kLeftEdge;
      y = kFirstLineTop;
      widest = 0;
    }
    surface.DrawText(static_cast<int>(x), static_cast<int>(y), line);
    y += extent.cy;
    if (extent.cx > widest) widest = extent.cx;
    if (y > bottomLimit) {
      y = kFirstLineTop;
      x += widest + kColumnGap;
    }
  }
  if (pageOpen) surface.EndPage();
  surface.EndJob();
}

}  // namespace kwintel
