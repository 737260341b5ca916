#pragma once
// "Compare materials": up to eight curves of one quantity on log-log axes, with the
// difference of each from a base curve below, a crosshair that reads every curve at the
// pointer's energy, and the picture and its numbers saved, copied or printed. A curve is
// any material alphastop-calc takes by name (shipped, the user's own, written out) or a
// file: a table, a CSV, an output of SRIM's SR module. One instance, modeless.

#include <QString>
#include <QWidget>

#include <array>
#include <optional>
#include <vector>

#include "core/catalog/MaterialCatalog.h"
#include "core/compare/Comparison.h"
#include "core/graph/GraphStyle.h"
#include "core/import/TableCurves.h"
#include "ui/graph/ExportCommands.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace alphastop::ui {

template <typename Window>
class SingleWindow;

class ComparisonView;

class CompareWindow : public QWidget {
  Q_OBJECT
 public:
  static CompareWindow& Instance();
  // Creates it where needed (with the loaded material as its first curve), then shows it
  // and brings it to the front.
  static void Open();
  static bool Exists();

  // Adds the material text names, as alphastop-calc reads MATERIAL. Returns why not (shown
  // beside the box too), or an empty text once added; nothing else changes on a refusal.
  QString AddMaterial(const QString& text);
  // Adds the file at path; a file that cannot be read is named with its line in a warning,
  // and nothing changes.
  void AddFile(const QString& path);

  // What the picture shows: nullopt while there is no curve of the chosen quantity.
  const std::optional<Comparison>& Shown() const { return shown_; }
  std::size_t ShownBase() const { return shownBase_; }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  friend class SingleWindow<CompareWindow>;
  CompareWindow();
  QWidget* BuildCurveSection();
  QWidget* BuildChoiceSection();
  QWidget* BuildReadoutSection();
  QWidget* BuildExportButtons();

  struct Entry {
    QString text;  // as typed, or the file's path
    TableCurves curves;
  };
  std::optional<QString> Add(const QString& text);
  void AddClicked();
  void ImportClicked();
  void RemoveClicked();
  void CurvesChanged();
  void Redraw();
  void ShowReadout(std::optional<double> energy);
  void ShowCurvesInReadout();
  ExportTarget Target(const QString& caption) const;

  MaterialCatalog catalog_;
  std::vector<Entry> entries_;
  std::optional<Comparison> shown_;
  std::size_t shownBase_ = 0;

  QLineEdit* materialBox_ = nullptr;
  QPushButton* addButton_ = nullptr;
  QLabel* message_ = nullptr;
  QListWidget* list_ = nullptr;
  QComboBox* quantityBox_ = nullptr;
  QComboBox* unitBox_ = nullptr;
  QComboBox* baseBox_ = nullptr;
  QLabel* readoutEnergy_ = nullptr;
  QLabel* readoutUnit_ = nullptr;
  struct ReadoutRow {
    QLabel* swatch;
    QLabel* title;
    QLabel* value;
    QLabel* difference;
    int pen = -1;  // the swatch shown; none at first
  };
  std::array<ReadoutRow, MaxCurves> readout_{};
  QCheckBox* printStyle_ = nullptr;
  std::array<QPushButton*, 3> exportButtons_{};  // save, copy, print
  ComparisonView* view_ = nullptr;
};

}  // namespace alphastop::ui
