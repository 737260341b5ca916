#pragma once
// The layers a particle crosses, in order: rows of a material (a table file of the data
// folders) and a thickness as typed, which the user adds, removes and reorders. Beside each
// row the editor shows what Show() was last given for it.

#include <QWidget>

#include <optional>
#include <string>
#include <vector>

#include "core/catalog/MaterialCatalog.h"
#include "core/data/MaterialTable.h"

class QPushButton;
class QTableWidget;

namespace alphastop::ui {

// A layer as the user set it up: the material's table (or why it cannot be read) and the
// thickness text.
struct LayerSetting {
  std::string name;                    // the table file's name, "Silicon"
  std::optional<MaterialTable> table;  // nullopt where the file cannot be read
  std::string problem;                 // why not, where table is nullopt
  std::string thickness;               // as typed, e.g. "30um"
};

// What to show beside a layer: energy in, energy out, energy lost, where it stops (texts,
// empty where not reached), or a message in their place.
struct LayerOutcome {
  QString energyIn, energyOut, energyLost, stopsAt, message;
};

class LayerStackEditor : public QWidget {
  Q_OBJECT
 public:
  explicit LayerStackEditor(QWidget* parent = nullptr);

  // Offers these table files for new and existing rows; a first layer is of the material
  // named preferred (letter case aside) where it is one of them.
  void SetMaterials(std::vector<CatalogEntry> materials, const std::string& preferred);
  // Appends a layer of the material (by name, letter case aside) and thickness text.
  void AddLayer(const std::string& material, const QString& thickness);

  const std::vector<LayerSetting>& Layers() const { return layers_; }
  // One outcome per layer, in order; rows beyond outcomes are shown as not reached.
  void Show(const std::vector<LayerOutcome>& outcomes);

 signals:
  // A layer was added, removed, moved, or its material or thickness changed.
  void Changed();

 private:
  void AddClicked();
  void RemoveClicked();
  void MoveSelected(int step);
  void MaterialChosen(int row, int index);
  void ThicknessEdited(int row, const QString& text);
  void Rebuild();
  LayerSetting Loaded(const CatalogEntry& entry, const std::string& thickness) const;

  std::vector<CatalogEntry> materials_;
  std::string preferred_;
  std::vector<LayerSetting> layers_;
  QTableWidget* table_ = nullptr;
  QPushButton* remove_ = nullptr;
  QPushButton* up_ = nullptr;
  QPushButton* down_ = nullptr;
};

}  // namespace alphastop::ui
