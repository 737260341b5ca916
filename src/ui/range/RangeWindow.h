#pragma once
// "Range and energy loss": distances in the material loaded in the main window. The CSDA
// and projected range at a typed energy (or a nuclide's line), the energy at a typed range,
// the thickness of a material from the energy it takes, and the energy left after each
// layer of a stack met at an angle, with the spread it gains, worked out as the user types;
// stacks saved to and opened from files. One instance, modeless.

#include <QWidget>

#include <array>

#include "core/catalog/MaterialLoader.h"
#include "core/range/Stack.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace alphastop::ui {

template <typename Window>
class SingleWindow;

class DepthProfileView;
class LayerStackEditor;

class RangeWindow : public QWidget {
  Q_OBJECT
 public:
  static RangeWindow& Instance();
  // Creates it where needed, then shows it and brings it to the front.
  static void Open();
  static bool Exists();

  // Takes up the material the shared table now holds: after every load.
  void ShowLoadedMaterial();
  // Reads the table files anew, after a material was saved or deleted: a layer whose
  // material is gone says so, and works again once a material of its name is back.
  void ReadCatalog();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  friend class SingleWindow<RangeWindow>;
  RangeWindow();
  QWidget* BuildEnergySection();
  QWidget* BuildRangeSection();
  QWidget* BuildThicknessSection();
  QWidget* BuildLayerSection();

  void EnergyEdited();
  void RangeEdited();
  void ThicknessEdited();
  const LoadedMaterial* ThicknessQuestion(double& in, double& out, QString& message);
  StackInput TypedStack() const;
  void LayersChanged();
  void CopyClicked();
  void SaveStackClicked();
  void OpenStackClicked();

  QLabel* material_ = nullptr;
  QLineEdit* energyBox_ = nullptr;
  QLabel* energyMessage_ = nullptr;
  QLabel* energyValue_ = nullptr;       // the energy a nuclide's name stands for
  std::array<QLabel*, 3> csda_{};       // g/cm2, mg/cm2, um
  std::array<QLabel*, 3> projected_{};  // g/cm2, mg/cm2, um
  QLabel* csdaUncertainty_ = nullptr;   // "± 0.7 %", as the table states it
  QLineEdit* rangeBox_ = nullptr;
  QLabel* rangeMessage_ = nullptr;
  QLabel* rangeEnergy_ = nullptr;
  QComboBox* thicknessMaterial_ = nullptr;
  QLineEdit* thicknessIn_ = nullptr;
  QLineEdit* thicknessOut_ = nullptr;
  QLabel* thicknessMessage_ = nullptr;
  std::array<QLabel*, 2> thickness_{};  // g/cm2, a length
  QLineEdit* angleBox_ = nullptr;
  QLabel* stackTotal_ = nullptr;  // the energy and its spread leaving the stack
  QLabel* layersMessage_ = nullptr;
  LayerStackEditor* layers_ = nullptr;
  DepthProfileView* depthProfile_ = nullptr;  // dE/dx along the track
  MaterialCache materials_;                   // the layers' tables, each read once
};

}  // namespace alphastop::ui
