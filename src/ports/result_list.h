#pragma once
// The ordered list of result lines shown in the dialog's list box. Lines are Windows-1252 bytes.
// Every line but the last is a result line; after every search, narrowing or restore the last
// line is the summary line.

#include <string>
#include <string_view>
#include <vector>

#include "text/line_store.h"

namespace kwintel {

class ResultList {
 public:
  virtual ~ResultList() = default;
  virtual int Count() const = 0;
  // Text of line `index`; an index outside 0..Count()-1 gives an empty text (commands nested in a
  // running narrowing may shrink the list under it).
  virtual std::string Text(int index) const = 0;
  // Adds a line at the end; the list never sorts by itself.
  virtual void Append(std::string_view line) = 0;
  // Adds a line at the end, as Append does, and the same line at the end of `backup`. A list that
  // holds its lines in a LineStore shares them with the backup instead of a copy in each.
  virtual void AppendKept(std::string_view line, LineStore& backup) {
    Append(line);
    backup.push_back(line);
  }
  virtual void Clear() = 0;
  // Removes line `index`; later lines move up. An index out of range does nothing.
  virtual void Delete(int index) = 0;
  // Indices of the selected lines, ascending.
  virtual std::vector<int> SelectedIndices() const = 0;
};

}  // namespace kwintel
