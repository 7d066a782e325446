// Lines taken out of the dialog: "Kopieer" onto the system clipboard with the form of the last
// search brought back, and "Print" through the real printer adapter into a PDF file at 300 dpi.

#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QPrinter>
#include <QRegularExpression>

#include "dialog_test_support.h"
#include "qt/qt_print_surface.h"

namespace kwintel::test {

class MainDialogOutputTest : public QObject {
  Q_OBJECT
 private slots:
  void KopieerCopiesTheSelectionAndRestoresTheForm();
  void KopieerWithoutASelectionChangesNothing();
  void PrintMakesTheExpectedPagesAt300Dpi();
  void PrintWithOnlyASummaryLineAsksForNoPrinter();
};

namespace {

void Select(ResultListBox& list, std::initializer_list<int> rows) {
  for (int row : rows) list.selectionModel()->select(list.model()->index(row, 0), QItemSelectionModel::Select);
}

std::unique_ptr<QPrinter> PdfPrinter(const QString& path) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(path);
  printer->setPageSize(QPageSize(QPageSize::A4));
  return printer;
}

int PdfPageCount(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  const QString pdf = QString::fromLatin1(file.readAll());
  return static_cast<int>(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![s\\w])"))));
}

}  // namespace

void MainDialogOutputTest::KopieerCopiesTheSelectionAndRestoresTheForm() {
  WordFolder words(SmallWordList());
  OpenDialog dialog(words.Folder());
  dialog->SetText(ids::kPatternBox, "R..S");
  dialog->SetText(ids::kZonderFilter, "X");
  Click(*dialog, ids::kMax500);
  Click(*dialog, ids::kGaZoeken);
  QCOMPARE(ShownLines(*dialog).size(), 4);

  // Edited since the search: all of it comes back.
  dialog->SetText(ids::kPatternBox, "ANDERS");
  dialog->SetText(ids::kZonderFilter, "Q");
  dialog->SetText(ids::kMetFilter, "E");
  Click(*dialog, ids::kAnagram);
  Click(*dialog, ids::kMax15000);

  Select(*dialog->ResultListWidget(), {3, 1});
  Click(*dialog, ids::kKopieer);
  QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("REIS\nTotaal: 3\n"));
  QCOMPARE(dialog->PatternBox()->currentText(), QStringLiteral("R..S"));
  QCOMPARE(ControlOf<QLineEdit>(*dialog, ids::kZonderFilter)->text(), QStringLiteral("X"));
  QCOMPARE(ControlOf<QLineEdit>(*dialog, ids::kMetFilter)->text(), QString());
  QVERIFY(dialog->IsChecked(ids::kVolgorde));
  QVERIFY(!dialog->IsChecked(ids::kAnagram));
  QVERIFY(dialog->IsChecked(ids::kMax500));
  QVERIFY(!dialog->IsChecked(ids::kMax15000));
  QCOMPARE(ShownLines(*dialog).size(), 4);
}

void MainDialogOutputTest::KopieerWithoutASelectionChangesNothing() {
  WordFolder words(SmallWordList());
  OpenDialog dialog(words.Folder());
  dialog->SetText(ids::kPatternBox, "R..S");
  Click(*dialog, ids::kGaZoeken);
  QApplication::clipboard()->setText(QStringLiteral("blijft"));
  dialog->SetText(ids::kPatternBox, "ANDERS");
  Click(*dialog, ids::kKopieer);
  QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("blijft"));
  QCOMPARE(dialog->PatternBox()->currentText(), QStringLiteral("ANDERS"));
}

void MainDialogOutputTest::PrintMakesTheExpectedPagesAt300Dpi() {
  QTemporaryDir folder;
  OpenDialog dialog(folder.path() + QLatin1Char('/'));
  const QString pdf = folder.filePath(QStringLiteral("lijst.pdf"));

  // The layout as this printer sets it: lines per column and columns per page.
  QtPrintSurface probe(PdfPrinter(folder.filePath(QStringLiteral("probe.pdf"))));
  const int width = probe.PrintableWidth();
  const int height = probe.PrintableHeight();
  QVERIFY2(width > 2000 && width <= 2480, qPrintable(QString::number(width)));  // A4 at 300 dpi: 2480
  QVERIFY2(height > 3000 && height <= 3508, qPrintable(QString::number(height)));
  const TextExtent line = probe.MeasureText("KWINTEL");
  QVERIFY(line.cx > 0 && line.cy > 0);
  const int perColumn = (height - 300 - 150) / line.cy + 1;
  const int perPage = perColumn * ((width - 75 - line.cx - 150) / (line.cx + 30) + 1);

  const int lines = 2 * perPage + 1;
  ResultList& list = dialog->Dialog().results;
  for (int i = 0; i < lines; ++i) list.Append("KWINTEL");
  list.Append("Totaal: 0");

  MemoryPlatform platform;
  platform.printerAnswer = [&] { return std::make_unique<QtPrintSurface>(PdfPrinter(pdf)); };
  dialog->ReplacePlatform(platform);
  Click(*dialog, ids::kPrint);
  QCOMPARE(platform.printDialogs, 1);
  QCOMPARE(PdfPageCount(pdf), 3);

  // One result line: one page.
  list.Clear();
  list.Append("ROOS");
  list.Append("Totaal: 1");
  QFile::remove(pdf);
  Click(*dialog, ids::kPrint);
  QCOMPARE(PdfPageCount(pdf), 1);
}

void MainDialogOutputTest::PrintWithOnlyASummaryLineAsksForNoPrinter() {
  QTemporaryDir folder;
  OpenDialog dialog(folder.path() + QLatin1Char('/'));
  MemoryPlatform platform;
  dialog->ReplacePlatform(platform);
  Click(*dialog, ids::kPrint);
  dialog->Dialog().results.Append("Totaal: 0");
  Click(*dialog, ids::kPrint);
  QCOMPARE(platform.printDialogs, 0);
}

}  // namespace kwintel::test

QTEST_MAIN(kwintel::test::MainDialogOutputTest)
#include "main_dialog_output_test.moc"
