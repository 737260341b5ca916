// The real windows on the offscreen platform, driven as a user drives them: the load
// command until the graph window has painted its new picture, Enter in the energy box, a
// row selected in the list, pointer moves over the graph, a key typed in the range window
// while a stack of layers is worked out, the graph saved as PNG and as SVG, and in the
// comparison of eight materials a pointer move and another quantity chosen. Each sample is
// one action.
// Run it once more with QT_SCALE_FACTOR=2 for the load at device pixel ratio 2.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <utility>
#include <vector>

#include "BenchTables.h"
#include "RowTable.h"
#include "core/data/MaterialTable.h"
#include "core/lookup/CursorPlacement.h"
#include "ui/main/Form1.h"
#include "ui/compare/CompareWindow.h"
#include "ui/compare/ComparisonView.h"
#include "ui/graph/Form2.h"
#include "ui/graph/GraphExport.h"
#include "ui/graph/PictureBox.h"
#include "ui/range/RangeWindow.h"

using namespace alphastop;
using namespace alphastop::bench;
using Clock = std::chrono::steady_clock;

namespace {

class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* watched) { watched->installEventFilter(this); }
  int Count() const { return count_; }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++count_;
    return false;
  }

 private:
  int count_ = 0;
};

// Lets the deferred repaints of the last action run, so that they are not timed with the next.
void Settle() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

// The timed part of every sample, in seconds. Out of line, so that a profiler can collect
// exactly what is timed: valgrind --tool=callgrind --collect-atstart=no
// --toggle-collect='*TimedAction*' bench_window_actions --benchmark_filter=...
[[gnu::noinline]] double TimedAction(const std::function<void()>& action) {
  const Clock::time_point start = Clock::now();
  action();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

class Windows {
 public:
  explicit Windows(const BenchTables& tables) : tables_(tables) {
    form1_.show();
    if (!QTest::qWaitForWindowExposed(&form1_)) std::abort();
    file1_ = form1_.findChild<QListWidget*>("File1");
    list1_ = form1_.findChild<QListWidget*>("List1");
    text3_ = form1_.findChild<QLineEdit*>("Text3");
    command2_ = form1_.findChild<QPushButton*>("Command2");
    Pick(tables_.element);
    command2_->click();
    if (!QTest::qWaitForWindowExposed(&ui::Form2::Instance())) std::abort();
    picturePaints_ = std::make_unique<PaintCounter>(&Picture());
    Settle();
  }

  qreal Ratio() const { return form1_.devicePixelRatioF(); }
  ui::PictureBox& Picture() const { return ui::Form2::Instance().Picture1(); }
  QListWidget& List1() const { return *list1_; }

  void Pick(const std::string& name) {
    const auto items = file1_->findItems(QString::fromStdString(name), Qt::MatchExactly);
    if (items.isEmpty()) std::abort();
    file1_->setCurrentItem(items.first());
  }

  // The load command, from the click on OK until the graph window has painted.
  double TimeLoad(const std::string& name) {
    Pick(name);
    Settle();
    const int paintsBefore = picturePaints_->Count();
    return TimedAction([&] {
      command2_->click();
      while (picturePaints_->Count() == paintsBefore) QApplication::processEvents();
    });
  }

  // Enter in the energy box, until the boxes and cursor lines are set.
  double TimeLookup(const QString& typed) {
    text3_->setText(typed);
    Settle();
    return TimedAction([&] { QTest::keyClick(text3_, Qt::Key_Return); });
  }

  // How many rows are in sight with the list scrolled to the top (where this leaves it).
  int RowsInSight() const {
    list1_->scrollToTop();
    const QModelIndex last = list1_->indexAt(QPoint(0, list1_->viewport()->height() - 1));
    return last.isValid() ? last.row() : 1;
  }

  // A click on a row in sight: the list does not scroll.
  double TimeRowReadout(int listIndex) {
    list1_->scrollToTop();
    Settle();
    return TimedAction([&] { list1_->setCurrentRow(listIndex); });
  }

  // The Down key on the last row in sight: the list scrolls by one row.
  double TimeRowReadoutScrolling() {
    list1_->scrollToTop();
    list1_->setCurrentRow(RowsInSight() - 1);
    Settle();
    return TimedAction([&] { QTest::keyClick(list1_, Qt::Key_Down); });
  }

  // The range window with an energy and three layers of the loaded material, the last thick
  // enough to stop the particle, so that the depth profile runs to the stop.
  void OpenRangeWindow() {
    ui::RangeWindow::Open();
    ui::RangeWindow& range = ui::RangeWindow::Instance();
    energyBox_ = range.findChild<QLineEdit*>("EnergyBox");
    for (int i = 0; i < 3; ++i) range.findChild<QPushButton*>("AddLayer")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    auto* thickness = range.findChild<QLineEdit*>("LayerThickness3");
    thickness->clear();
    QTest::keyClicks(thickness, "100um");
    QTest::keyClicks(energyBox_, "5");
    Settle();
  }

  // One key in the range window's energy box, until every result is set and painted: a
  // digit typed after "5", or taken away again, so the energy and all it drives change.
  double TimeRangeKey(bool typeDigit) {
    Settle();
    return TimedAction([&] {
      QTest::keyClick(energyBox_, typeDigit ? Qt::Key_5 : Qt::Key_Backspace);
      QApplication::processEvents();
    });
  }

  // One pointer move over the graph to user position (x, y).
  double TimePointerMove(float x, float y) {
    const QPointF at = Picture().ToArea(x, y) + QPointF(Picture().contentsRect().topLeft());
    QMouseEvent move(QEvent::MouseMove, at, Picture().mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    Settle();
    return TimedAction([&] { QApplication::sendEvent(&Picture(), &move); });
  }

  // The comparison window with eight tables: the loaded one and the first of as/.
  void OpenCompareWindow() {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(tables_.folder / "as"))
      files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    ui::CompareWindow::Open();
    ui::CompareWindow& window = ui::CompareWindow::Instance();
    for (const std::string& file : files) {
      if (window.Shown() && window.Shown()->curves.size() >= 8) break;
      window.AddMaterial(QString::fromStdString(file));
    }
    quantityBox_ = window.findChild<QComboBox*>("QuantityBox");
    comparison_ = window.findChild<ui::ComparisonView*>("ComparisonPicture");
    Settle();
  }

  // A pointer move over the comparison until the crosshair and the readouts are painted.
  double TimeComparePointer(double x) {
    const QPointF at(x, 200);
    QMouseEvent move(QEvent::MouseMove, at, comparison_->mapToGlobal(at), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    Settle();
    return TimedAction([&] {
      QApplication::sendEvent(comparison_, &move);
      QApplication::processEvents();
    });
  }

  // Another quantity chosen, until both plots are drawn anew and painted.
  double TimeCompareQuantity(int index) {
    Settle();
    return TimedAction([&] {
      quantityBox_->setCurrentIndex(index);
      QApplication::processEvents();
    });
  }

 private:
  const BenchTables& tables_;
  ui::Form1 form1_;
  QListWidget* file1_ = nullptr;
  QListWidget* list1_ = nullptr;
  QLineEdit* text3_ = nullptr;
  QPushButton* command2_ = nullptr;
  QLineEdit* energyBox_ = nullptr;
  QComboBox* quantityBox_ = nullptr;
  ui::ComparisonView* comparison_ = nullptr;
  std::unique_ptr<PaintCounter> picturePaints_;
};

// The loaded table's graph written to a file: drawn, encoded and written whole.
double TimeSave(const QString& path, int scale) {
  Settle();
  bool saved = false;
  const double seconds =
      TimedAction([&] { saved = !ui::SaveGraph(SharedMaterialTable(), path, scale); });
  if (!saved) std::abort();
  return seconds;
}

float RowX(int row) {
  return static_cast<float>(EnergyCursorPosition(SharedMaterialTable().Energy(row)));
}

benchmark::internal::Benchmark* OneActionPerSample(benchmark::internal::Benchmark* benchmark) {
  return WithQuartiles(benchmark->UseManualTime()->Iterations(1));
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  const BenchTables tables = FindBenchTables();
  QDir::setCurrent(QString::fromStdString(tables.folder.string()));
  PrintNote(tables.Origin());
  Windows windows(tables);

  const std::string load = "load command at device pixel ratio " +
                           QString::number(windows.Ratio()).toStdString() +
                           " (read, 122 items, DrawGraph, graph window painted)";
  const std::string lookup = "energy lookup (Enter in Text3 until boxes and lines are set)";
  const std::string row = "row readout (a click on a List1 row in sight)";
  const std::string rowScrolling =
      "row readout, Down key at the last row in sight (the list scrolls)";
  const std::string pointerNewRow = "pointer readout, a move that selects another row";
  const std::string pointerSameRow = "pointer readout, a move within the selected row";
  const std::string rangeKey =
      "range window, a key in the energy box (ranges, three layers and the depth profile to the "
      "stop worked out, painted)";
  const std::string savePng =
      "graph saved as PNG, the window's size (Save graph… at ratio 1, alphastop-calc graph)";
  const std::string savePng2 =
      "graph saved as PNG, twice the window's size (at ratio 2, --scale 2)";
  const std::string saveSvg = "graph saved as SVG";
  const std::string comparePointer =
      "comparison of eight materials, a pointer move (crosshair and eight readouts painted)";
  const std::string compareQuantity =
      "comparison of eight materials, another quantity (both plots drawn anew and painted)";
  const QTemporaryDir saved;

  // Each repetition runs its lambda afresh: what must go on from one sample to the next
  // (which file, energy or row comes next) lives out here.
  int nextLoad = 0, nextEnergy = 0, nextRow = 0, nextPointer = 0, nextStep = 0;
  OneActionPerSample(benchmark::RegisterBenchmark(load.c_str(), [&](benchmark::State& state) {
    for (auto _ : state)
      state.SetIterationTime(
          windows.TimeLoad(nextLoad++ % 2 ? tables.otherElement : tables.element));
  }));
  OneActionPerSample(benchmark::RegisterBenchmark(lookup.c_str(), [&](benchmark::State& state) {
    const QString typed[] = {"5", "0.0123", "1.5 MeV", "250", "1e-3", "999.9"};
    for (auto _ : state)
      state.SetIterationTime(windows.TimeLookup(typed[nextEnergy++ % std::size(typed)]));
  }));
  OneActionPerSample(benchmark::RegisterBenchmark(row.c_str(), [&](benchmark::State& state) {
    const int inSight = windows.RowsInSight();
    for (auto _ : state) state.SetIterationTime(windows.TimeRowReadout(nextRow++ % inSight));
  }));
  OneActionPerSample(
      benchmark::RegisterBenchmark(rowScrolling.c_str(), [&](benchmark::State& state) {
        const int inSight = windows.RowsInSight();
        for (auto _ : state) state.SetIterationTime(windows.TimeRowReadoutScrolling());
        if (windows.List1().currentRow() != inSight)
          state.SkipWithError("Down did not move the selection");
      }));
  OneActionPerSample(
      benchmark::RegisterBenchmark(pointerNewRow.c_str(), [&](benchmark::State& state) {
        for (auto _ : state)
          state.SetIterationTime(windows.TimePointerMove(RowX(40 + nextPointer++ % 2), 9.0f));
        if (windows.List1().currentRow() != 39 + (nextPointer - 1) % 2)
          state.SkipWithError("the pointer selected no row");
      }));
  OneActionPerSample(
      benchmark::RegisterBenchmark(pointerSameRow.c_str(), [&](benchmark::State& state) {
        const float x = RowX(60), step = 0.2f * (RowX(61) - x);
        if (windows.List1().currentRow() != 59) windows.TimePointerMove(x, 9.0f);
        for (auto _ : state)
          state.SetIterationTime(windows.TimePointerMove(x + step * (nextStep++ % 2), 9.0f));
      }));

  int nextKey = 0;
  OneActionPerSample(benchmark::RegisterBenchmark(rangeKey.c_str(), [&](benchmark::State& state) {
    if (nextKey == 0) windows.OpenRangeWindow();
    for (auto _ : state) state.SetIterationTime(windows.TimeRangeKey(nextKey++ % 2 == 0));
  }));
  OneActionPerSample(benchmark::RegisterBenchmark(savePng.c_str(), [&](benchmark::State& state) {
    for (auto _ : state) state.SetIterationTime(TimeSave(saved.filePath("graph.png"), 1));
  }));
  OneActionPerSample(benchmark::RegisterBenchmark(savePng2.c_str(), [&](benchmark::State& state) {
    for (auto _ : state) state.SetIterationTime(TimeSave(saved.filePath("graph.png"), 2));
  }));
  OneActionPerSample(benchmark::RegisterBenchmark(saveSvg.c_str(), [&](benchmark::State& state) {
    for (auto _ : state) state.SetIterationTime(TimeSave(saved.filePath("graph.svg"), 1));
  }));

  int nextComparison = 0;
  bool compareOpen = false;
  const auto openCompare = [&] {
    if (!std::exchange(compareOpen, true)) windows.OpenCompareWindow();
  };
  OneActionPerSample(
      benchmark::RegisterBenchmark(comparePointer.c_str(), [&](benchmark::State& state) {
        openCompare();
        for (auto _ : state)
          state.SetIterationTime(windows.TimeComparePointer(200 + 200 * (nextComparison++ % 2)));
      }));
  OneActionPerSample(
      benchmark::RegisterBenchmark(compareQuantity.c_str(), [&](benchmark::State& state) {
        openCompare();
        for (auto _ : state)
          state.SetIterationTime(windows.TimeCompareQuantity(nextComparison++ % 5));
      }));

  RowReporter reporter({{load, {5e6, "≤ 5 ms"}},
                        {rangeKey, {1e6, "≤ 1 ms"}},
                        {lookup, {50e3, "≤ 50 µs"}},
                        {row, {100e3, "≤ 100 µs"}},
                        {rowScrolling, {100e3, "≤ 100 µs"}},
                        {pointerNewRow, {100e3, "≤ 100 µs"}},
                        {pointerSameRow, {100e3, "≤ 100 µs"}},
                        {savePng, {50e6, "≤ 50 ms"}},
                        {savePng2, {50e6, "≤ 50 ms"}},
                        {saveSvg, {50e6, "≤ 50 ms"}},
                        {comparePointer, {1e6, "≤ 1 ms"}},
                        {compareQuantity, {1e6, "≤ 1 ms"}}});
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return reporter.Failed() ? EXIT_FAILURE : EXIT_SUCCESS;
}
