#pragma once
// A Platform that forwards to another, exchangeable one: the dialog's commands hold a reference
// to their platform for the dialog's lifetime, while tests and benchmarks put a platform of
// their own in place of the real dialogs.

#include "ports/platform.h"

namespace kwintel {

class PlatformSwitch : public Platform {
 public:
  explicit PlatformSwitch(Platform& target) : target_(&target) {}

  void SetTarget(Platform& target) { target_ = &target; }
  Platform& Target() const { return *target_; }

  std::optional<std::string> ChooseWordFile(const std::string& initialPath) override {
    return target_->ChooseWordFile(initialPath);
  }
  std::optional<std::string> ChooseResultFile(const std::string& proposedPath) override {
    return target_->ChooseResultFile(proposedPath);
  }
  std::optional<FontDescription> ChooseFont(const FontDescription& current) override {
    return target_->ChooseFont(current);
  }
  std::unique_ptr<PrintSurface> ChoosePrinter() override { return target_->ChoosePrinter(); }
  void SetClipboardText(std::string_view text) override { target_->SetClipboardText(text); }
  void ShowHelp() override { target_->ShowHelp(); }
  std::tm LocalTimeNow() override { return target_->LocalTimeNow(); }

 private:
  Platform* target_;
};

}  // namespace kwintel
