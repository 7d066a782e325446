#pragma once
// The lines of the result list as a Qt item model. Appends are batched: Count and Text see a
// line at once, while the view learns of new lines in one insertion per batch (at Flush, which
// also runs by itself once control returns to the event loop), so that thousands of appended
// lines cost one layout instead of thousands.

#include <QAbstractListModel>

#include <string>
#include <string_view>
#include <vector>

namespace kwintel {

class ResultListModel : public QAbstractListModel {
  Q_OBJECT
 public:
  using QAbstractListModel::QAbstractListModel;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  int Count() const { return static_cast<int>(lines_.size()); }
  // Empty for an index out of range.
  const std::string& Text(int index) const;
  void Append(std::string_view line);
  void Clear();
  void Delete(int index);

  // Tells the views of every line appended since the last flush.
  void Flush();

 private:
  std::vector<std::string> lines_;  // Windows-1252
  int shown_ = 0;                   // lines the views know of: the first shown_ of lines_
  bool flushPosted_ = false;
};

}  // namespace kwintel
