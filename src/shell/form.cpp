#include "shell/form.h"

#include "engine/search_types.h"
#include "ports/control_ids.h"

namespace kwintel {
namespace {

template <size_t N>
int CheckedPosition(const MainDialogView& view, const std::array<int, N>& group) {
  for (size_t i = 0; i < N; ++i) {
    if (view.IsChecked(group[i])) return static_cast<int>(i);
  }
  return -1;
}

template <size_t N>
void CheckPosition(MainDialogView& view, const std::array<int, N>& group, int position) {
  for (size_t i = 0; i < N; ++i) view.SetChecked(group[i], static_cast<int>(i) == position);
}

}  // namespace

bool ReadForm(MainDialog& dialog) {
  MainDialogView& view = dialog.view;
  dialog.pattern = view.GetText(ids::kPatternBox);
  if (dialog.pattern.size() > kMaxPatternLength) {
    view.ShowMessage(kTooLongMessage, "", MessageIcon::Exclamation);
    view.Focus(ids::kPatternBox);
    return false;
  }
  dialog.searchTypeIndex = CheckedPosition(view, kSearchTypeRadios);
  dialog.maxResultsIndex = CheckedPosition(view, ids::kMaxResultsGroup);
  dialog.mustNotContain = view.GetText(ids::kZonderFilter);
  dialog.mustContain = view.GetText(ids::kMetFilter);
  return true;
}

void WriteForm(MainDialog& dialog) {
  MainDialogView& view = dialog.view;
  view.SetText(ids::kPatternBox, dialog.pattern);
  CheckPosition(view, kSearchTypeRadios, dialog.searchTypeIndex);
  CheckPosition(view, ids::kMaxResultsGroup, dialog.maxResultsIndex);
  view.SetText(ids::kZonderFilter, dialog.mustNotContain);
  view.SetText(ids::kMetFilter, dialog.mustContain);
}

SearchType ReadSearchType(const MainDialogView& view) {
  // The radios are read in the order of their type values, which is not their order in the group.
  SearchType type = SearchType::Sequence;
  for (int value = 0; value < static_cast<int>(kSearchTypes.size()); ++value) {
    const SearchTypeEntry* entry = FindSearchType(static_cast<SearchType>(value));
    if (entry != nullptr && view.IsChecked(entry->radioId)) type = entry->type;
  }
  return type;
}

int ReadMaxResults(const MainDialogView& view) {
  int maxResults = 100;
  for (size_t i = 0; i < ids::kMaxResultsGroup.size(); ++i) {
    if (view.IsChecked(ids::kMaxResultsGroup[i])) maxResults = ids::kMaxResultsValues[i];
  }
  return maxResults;
}

SearchRequest ReadSearchRequest(const MainDialog& dialog) {
  SearchRequest request;
  for (int length = kMinWordLength; length <= kMaxWordLength; ++length) {
    request.lengths[LengthIndex(length)] = dialog.view.IsChecked(ids::LengthToggleId(length));
  }
  request.type = ReadSearchType(dialog.view);
  request.maxResults = ReadMaxResults(dialog);
  request.pattern = dialog.pattern;
  request.mustContain = dialog.mustContain;
  request.mustNotContain = dialog.mustNotContain;
  return request;
}

}  // namespace kwintel
