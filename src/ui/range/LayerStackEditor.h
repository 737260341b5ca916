#pragma once
// The layers a particle crosses, in order: rows of a material (typed or picked; the list
// offers the table files of the data folders, matching what is typed anywhere in their
// names), a thickness, and where wanted a density, or a gas's pressure and temperature, all
// as typed, which the user adds, removes and reorders. Beside each row the editor shows that
// layer's results from the last Show(), or its message in their place.

#include <QWidget>

#include <string>
#include <vector>

#include "core/catalog/MaterialCatalog.h"
#include "core/range/Stack.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace alphastop::ui {

class LayerStackEditor : public QWidget {
  Q_OBJECT
 public:
  explicit LayerStackEditor(QWidget* parent = nullptr);

  // Offers these table files for new and existing rows; a first layer is of the material
  // named preferred (letter case aside) where it is one of them. A layer keeps its material's
  // name even where no table has it any more.
  void SetMaterials(std::vector<CatalogEntry> materials, const std::string& preferred);
  // Appends a layer of the material and thickness text.
  void AddLayer(const std::string& material, const QString& thickness);

  const std::vector<LayerInput>& Layers() const { return layers_; }
  // Replaces every layer (a stack opened from a file).
  void SetLayers(std::vector<LayerInput> layers);
  // The results of the layers, in order, as EvaluateStack gave them for Layers().
  void Show(const StackResult& stack);

 signals:
  // A layer was added, removed, moved, or its material, thickness or conditions changed.
  void Changed();

 private:
  void AddClicked();
  void RemoveClicked();
  void MoveSelected(int step);
  void MaterialTyped(int row, QComboBox* box);
  void Rebuild();
  QLineEdit* TextCell(int row, int column, std::string LayerInput::*text);
  void ShowConditions(int row, const LayerResult& layer);

  std::vector<CatalogEntry> materials_;
  std::string preferred_;
  std::vector<LayerInput> layers_;
  QTableWidget* table_ = nullptr;
  QPushButton* remove_ = nullptr;
  QPushButton* up_ = nullptr;
  QPushButton* down_ = nullptr;
};

}  // namespace alphastop::ui
