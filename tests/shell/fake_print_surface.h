#pragma once
// A printer in memory: every text measures as `measure` says (100 x 50 by default), and the job,
// its pages and everything drawn on them are recorded.

#include <functional>
#include <string>
#include <vector>

#include "ports/print_surface.h"

namespace kwintel {

class FakePrintSurface : public PrintSurface {
 public:
  struct Draw {
    int x;
    int y;
    std::string text;
  };
  struct Page {
    std::vector<Draw> draws;  // the header first
    bool ended = false;
  };

  FakePrintSurface(int width, int height) : width_(width), height_(height) {}

  int PrintableWidth() const override { return width_; }
  int PrintableHeight() const override { return height_; }
  void StartJob(std::string_view name) override { jobs.emplace_back(name); }
  void EndJob() override { ++jobsEnded; }
  void StartPage() override { pages.emplace_back(); }
  void EndPage() override { pages.back().ended = true; }
  TextExtent MeasureText(std::string_view text) override { return measure ? measure(text) : TextExtent{100, 50}; }
  void DrawText(int x, int y, std::string_view text) override {
    pages.back().draws.push_back({x, y, std::string(text)});
  }

  std::function<TextExtent(std::string_view)> measure;
  std::vector<std::string> jobs;
  int jobsEnded = 0;
  std::vector<Page> pages;

 private:
  int width_;
  int height_;
};

// Hands a surface that the test keeps to a caller that wants to own (and destroy) its printer.
class BorrowedSurface : public PrintSurface {
 public:
  explicit BorrowedSurface(PrintSurface& surface) : surface_(surface) {}
  int PrintableWidth() const override { return surface_.PrintableWidth(); }
  int PrintableHeight() const override { return surface_.PrintableHeight(); }
  void StartJob(std::string_view name) override { surface_.StartJob(name); }
  void EndJob() override { surface_.EndJob(); }
  void StartPage() override { surface_.StartPage(); }
  void EndPage() override { surface_.EndPage(); }
  TextExtent MeasureText(std::string_view text) override { return surface_.MeasureText(text); }
  void DrawText(int x, int y, std::string_view text) override { surface_.DrawText(x, y, text); }

 private:
  PrintSurface& surface_;
};

}  // namespace kwintel
