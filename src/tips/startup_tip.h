#pragma once
// The start-up step that offers the tip of the day before the main dialog opens.

#include <functional>
#include <string>
#include <vector>

#include "ports/settings_store.h"
#include "tips/tip_messages.h"
#include "tips/tip_of_day.h"

namespace kwintel {

// Unless a switch of `arguments` (the program's name not included) suppresses it, makes the tip
// object, runs showModal on it only when showAtStart is on, and destroys it before returning.
// Since making the object reads a tip and destroying it saves the position after that tip, every
// start that is not suppressed moves the kept position on by one tip, shown or not.
void StartupTip(const std::vector<std::string>& arguments, SettingsStore& profile, TipMessages& messages,
                const std::string& tipsPath, const std::function<void(TipOfDay&)>& showModal);

}  // namespace kwintel
