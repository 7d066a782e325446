#include "tips/startup_tip.h"

#include "tips/startup_switches.h"

namespace kwintel {

void StartupTip(const std::vector<std::string>& arguments, SettingsStore& profile, TipMessages& messages,
                const std::string& tipsPath, const std::function<void(TipOfDay&)>& showModal) {
  if (TipSuppressedBySwitches(arguments)) return;
  TipOfDay tip(profile, messages, tipsPath);
  if (tip.ShowAtStart()) showModal(tip);
}

}  // namespace kwintel
