#include "qt/result_list_box.h"

#include <QItemSelectionModel>
#include <QKeyEvent>

#include <algorithm>

namespace kwintel {

ResultListBox::ResultListBox(QWidget* parent) : QListView(parent) {
  setModel(&model_);
  setUniformItemSizes(true);  // every row as high as the first: no per-row measuring
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setFrameShadow(QFrame::Sunken);
}

std::vector<int> ResultListBox::SelectedIndices() const {
  std::vector<int> rows;
  for (const QItemSelectionRange& range : selectionModel()->selection()) {
    for (int row = range.top(); row <= range.bottom(); ++row) rows.push_back(row);
  }
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return rows;
}

void ResultListBox::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    emit CopyRequested();
    event->accept();
    return;
  }
  QListView::keyPressEvent(event);
}

}  // namespace kwintel
