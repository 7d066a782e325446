#include "results/copy_results.h"

#include <vector>

namespace kwintel {

std::string SelectedLinesText(const ResultList& list) {
  std::string text;
  for (const int index : list.SelectedIndices()) {
    text += list.Text(index);
    text += '\n';
  }
  return text;
}

}  // namespace kwintel
