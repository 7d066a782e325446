// List box 1105 as the ResultList the commands work on: lines count at once and show in batches,
// deletions and clears reach the view at once, the selection comes back in list order.

#include <QKeyEvent>
#include <QSignalSpy>
#include <QtTest>

#include "qt/result_list_box.h"

namespace kwintel::test {

class ResultListBoxTest : public QObject {
  Q_OBJECT
 private slots:
  void AppendedLinesCountAtOnceAndShowAfterTheFlush();
  void AFlushHappensByItselfOnceControlReturns();
  void DeleteAndClearReachTheViewAtOnce();
  void SelectedIndicesComeInListOrder();
  void CtrlCAsksForKopieer();
};

void ResultListBoxTest::AppendedLinesCountAtOnceAndShowAfterTheFlush() {
  ResultListBox list;
  for (int i = 0; i < 15000; ++i) list.Append("WOORD");
  list.Append("Maximum: 15000");
  QCOMPARE(list.Count(), 15001);
  QCOMPARE(list.Text(15000), std::string("Maximum: 15000"));
  QCOMPARE(list.ShownCount(), 0);

  list.Flush();
  QCOMPARE(list.ShownCount(), 15001);
  QCOMPARE(list.model()->index(15000, 0).data().toString(), QStringLiteral("Maximum: 15000"));
  QCOMPARE(list.Text(-1), std::string());
  QCOMPARE(list.Text(15001), std::string());
}

void ResultListBoxTest::AFlushHappensByItselfOnceControlReturns() {
  ResultListBox list;
  list.Append("\x80 EURO");
  QCoreApplication::processEvents();
  QCOMPARE(list.ShownCount(), 1);
  QCOMPARE(list.model()->index(0, 0).data().toString(), QStringLiteral("\u20AC EURO"));
}

void ResultListBoxTest::DeleteAndClearReachTheViewAtOnce() {
  ResultListBox list;
  for (const char* line : {"A", "B", "C"}) list.Append(line);
  list.Flush();
  list.Append("D");  // not shown yet
  list.Delete(1);
  list.Delete(2);  // "D", still waiting to be shown
  list.Delete(7);  // out of range: nothing
  QCOMPARE(list.Count(), 2);
  QCOMPARE(list.ShownCount(), 2);
  QCOMPARE(list.Text(1), std::string("C"));
  list.Flush();
  QCOMPARE(list.ShownCount(), 2);

  list.Clear();
  QCOMPARE(list.Count(), 0);
  QCOMPARE(list.ShownCount(), 0);
}

void ResultListBoxTest::SelectedIndicesComeInListOrder() {
  ResultListBox list;
  for (int i = 0; i < 10; ++i) list.Append(std::to_string(i));
  list.Flush();
  auto* selection = list.selectionModel();
  selection->select(list.model()->index(7, 0), QItemSelectionModel::Select);
  selection->select(QItemSelection(list.model()->index(2, 0), list.model()->index(4, 0)), QItemSelectionModel::Select);
  selection->select(list.model()->index(0, 0), QItemSelectionModel::Select);
  QCOMPARE(list.SelectedIndices(), (std::vector<int>{0, 2, 3, 4, 7}));
  QCOMPARE(list.selectionMode(), QAbstractItemView::ExtendedSelection);

  // A deleted line takes its selection with it.
  list.Delete(3);
  QCOMPARE(list.SelectedIndices(), (std::vector<int>{0, 2, 3, 6}));
}

void ResultListBoxTest::CtrlCAsksForKopieer() {
  ResultListBox list;
  list.Append("ROOS");
  list.Flush();
  QSignalSpy copy(&list, &ResultListBox::CopyRequested);
  QTest::keyClick(&list, Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(copy.count(), 1);
  QTest::keyClick(&list, Qt::Key_C);
  QCOMPARE(copy.count(), 1);
}

}  // namespace kwintel::test

QTEST_MAIN(kwintel::test::ResultListBoxTest)
#include "result_list_box_test.moc"
