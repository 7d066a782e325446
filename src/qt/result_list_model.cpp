#include "qt/result_list_model.h"

#include <QMetaObject>

#include "qt/cp1252_qstring.h"

namespace kwintel {

int ResultListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : shown_; }

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= shown_) return {};
  return QStringFromCp1252(lines_[static_cast<size_t>(index.row())]);
}

const std::string& ResultListModel::Text(int index) const {
  static const std::string kEmpty;
  if (index < 0 || index >= Count()) return kEmpty;
  return lines_[static_cast<size_t>(index)];
}

void ResultListModel::Append(std::string_view line) {
  lines_.emplace_back(line);
  if (!flushPosted_) {
    flushPosted_ = true;
    QMetaObject::invokeMethod(this, &ResultListModel::Flush, Qt::QueuedConnection);
  }
}

void ResultListModel::Clear() {
  beginResetModel();
  lines_.clear();
  shown_ = 0;
  endResetModel();
}

void ResultListModel::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  if (index < shown_) {
    beginRemoveRows(QModelIndex(), index, index);
    lines_.erase(lines_.begin() + index);
    --shown_;
    endRemoveRows();
  } else {
    lines_.erase(lines_.begin() + index);
  }
}

void ResultListModel::Flush() {
  flushPosted_ = false;
  if (shown_ >= Count()) return;
  beginInsertRows(QModelIndex(), shown_, Count() - 1);
  shown_ = Count();
  endInsertRows();
}

}  // namespace kwintel
