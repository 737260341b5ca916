#pragma once
// "New material": a compound or mixture typed in (name, composition, density, phase, mean
// excitation energy), its stopping powers and range previewed as the user types, and its
// table computed and saved among the user's own materials. One instance, modeless.

#include <QDialog>

#include <optional>
#include <vector>

#include "core/catalog/MaterialCatalog.h"
#include "core/materials/Material.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace alphastop::ui {

template <typename Window>
class SingleWindow;

class NewMaterialDialog : public QDialog {
  Q_OBJECT
 public:
  static NewMaterialDialog& Instance();
  // Creates it where needed, then shows it and brings it to the front.
  static void Open();

 signals:
  // A material's table was written to path, among the user's own materials.
  void Saved(const QString& path);

 protected:
  // Lists the shipped tables once for each opening, not at every key.
  void showEvent(QShowEvent* event) override;

 private:
  friend class SingleWindow<NewMaterialDialog>;
  NewMaterialDialog();
  QWidget* BuildFields();
  QWidget* BuildPreview();

  void FieldsEdited();
  void SaveClicked();
  // Why a material of this file name cannot be saved where its name is fine for the parser:
  // a shipped table, or one of the user's own spelt otherwise, has that name, letter case
  // aside. The user's own of exactly that name is no clash: Save asks to replace it.
  QString NameClash(const std::string& fileName) const;

  QLineEdit* name_ = nullptr;
  QLineEdit* composition_ = nullptr;
  QLineEdit* density_ = nullptr;
  QComboBox* phase_ = nullptr;
  QLineEdit* meanExcitation_ = nullptr;
  QLabel* nameMessage_ = nullptr;
  QLabel* compositionMessage_ = nullptr;
  QLabel* densityMessage_ = nullptr;
  QLabel* meanExcitationMessage_ = nullptr;
  QTableWidget* preview_ = nullptr;
  QPushButton* save_ = nullptr;
  std::optional<tables::Material> material_;  // the material the fields give, while all are good
  std::vector<CatalogEntry> shippedTables_;   // names a new material may not take
};

}  // namespace alphastop::ui
