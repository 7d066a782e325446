#pragma once
// Sorting the result list: byte order, forwards or by the lines read backwards.

#include <string>
#include <vector>

#include "ports/result_list.h"

namespace kwintel {

// Sorts every line but the last in the order `sortMode` names (0 ascending, 1 descending, 2
// ascending by the line read backwards, 3 descending so), then advances it. A list with at most
// one result line is left alone and sortMode stays. Throws std::bad_alloc, before the list is
// touched, when there is no memory for the copy it sorts.
void SortResultLines(ResultList& list, int& sortMode);

// Quicksort over unsigned byte comparison of lines[first..last] (inclusive), middle pivot.
void SortAscending(std::vector<std::string>& lines, int first, int last);
void SortDescending(std::vector<std::string>& lines, int first, int last);

}  // namespace kwintel
