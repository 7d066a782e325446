#pragma once
// List box 1105: the result lines with the user's extended selection, as the ResultList the
// commands work on. Ctrl+C asks for "Kopieer" instead of copying the current line only.

#include <QListView>

#include "ports/result_list.h"
#include "qt/result_list_model.h"

namespace kwintel {

class ResultListBox : public QListView, public ResultList {
  Q_OBJECT
 public:
  explicit ResultListBox(QWidget* parent = nullptr);

  int Count() const override { return model_.Count(); }
  std::string Text(int index) const override { return model_.Text(index); }
  void Append(std::string_view line) override { model_.Append(line); }
  void Clear() override { model_.Clear(); }
  void Delete(int index) override { model_.Delete(index); }
  std::vector<int> SelectedIndices() const override;

  // Shows every line appended so far.
  void Flush() { model_.Flush(); }
  // The lines the view shows (the rest waits for the next flush).
  int ShownCount() const { return model_.rowCount(); }

 signals:
  void CopyRequested();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  ResultListModel model_;
};

}  // namespace kwintel
