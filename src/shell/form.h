#pragma once
// Data exchange between the dialog's controls and its members, and the reading of the search
// request from the controls.

#include "engine/engine_types.h"
#include "shell/main_dialog.h"

namespace kwintel {

inline constexpr const char* kTooLongMessage = "Please enter no more than 299 characters.";

// Controls into members: pattern, the two radio positions, "Zonder:", "Met:". A pattern of more
// than 299 characters is stored all the same, then the message is shown, the focus moves to the
// pattern box and ReadForm fails, leaving the later members unchanged.
bool ReadForm(MainDialog& dialog);

// Members into controls, in the same order.
void WriteForm(MainDialog& dialog);

// The search type as the radios give it: tested in the order of the type values (1029, 1030,
// 1031, 1032, 1108, 1119, 1120, 1121, 1033, 1122 for the ten), the last checked one winning; none
// checked gives Sequence.
SearchType ReadSearchType(const MainDialogView& view);
// 100, 500, 1000 or 15000; the last checked radio wins; none gives 100.
int ReadMaxResults(const MainDialogView& view);
// The maximum a search or narrowing uses: dialog.maxResultsOverride when above 0, else the radios.
inline int ReadMaxResults(const MainDialog& dialog) {
  return dialog.maxResultsOverride > 0 ? dialog.maxResultsOverride : ReadMaxResults(dialog.view);
}

// The whole request: ReadForm must have run. Pattern and filters from the members.
SearchRequest ReadSearchRequest(const MainDialog& dialog);

}  // namespace kwintel
