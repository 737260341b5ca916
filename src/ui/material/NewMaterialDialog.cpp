#include "ui/material/NewMaterialDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <filesystem>

#include "core/catalog/MaterialCatalog.h"
#include "core/paths/UserFolder.h"
#include "core/lookup/Interpolation.h"
#include "core/range/RangeInterpolation.h"
#include "core/physics/ComputedTable.h"
#include "core/materials/MaterialInput.h"
#include "core/physics/StoppingTable.h"
#include "core/physics/TableWriter.h"
#include "core/text/NumberFormat.h"
#include "ui/common/Controls.h"
#include "ui/common/DataFolders.h"
#include "ui/common/Messages.h"
#include "ui/common/Palette.h"
#include "ui/common/SaveFile.h"
#include "ui/common/SingleWindow.h"

namespace alphastop::ui {
namespace {

using tables::MaterialField;

constexpr double PreviewEnergies[] = {1, 5, 10};  // MeV

QLineEdit* Field(const char* name, const QString& placeholder) {
  auto* edit = new QLineEdit;
  edit->setObjectName(name);
  edit->setPlaceholderText(placeholder);
  return edit;
}

}  // namespace

NewMaterialDialog& NewMaterialDialog::Instance() {
  return SingleWindow<NewMaterialDialog>::Instance();
}

void NewMaterialDialog::Open() { SingleWindow<NewMaterialDialog>::Open(); }

NewMaterialDialog::NewMaterialDialog() : QDialog(nullptr) {
  setObjectName("NewMaterialDialog");
  setWindowTitle(tr("New material"));
  setModal(false);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Close);
  save_ = buttons->button(QDialogButtonBox::Save);
  save_->setObjectName("SaveMaterial");
  connect(save_, &QPushButton::clicked, this, &NewMaterialDialog::SaveClicked);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildFields());
  layout->addWidget(BuildPreview());
  layout->addWidget(buttons);
  FieldsEdited();
}

QWidget* NewMaterialDialog::BuildFields() {
  auto* fields = new QWidget;
  name_ = Field("MaterialName", tr("e.g. Polyethylene naphthalate"));
  composition_ = Field("MaterialComposition",
                       tr("C14H10O4, or 1:0.042,6:0.695,8:0.263 (Z:fraction by weight), "
                          "or C:14,H:10,O:4 (atoms)"));
  density_ = Field("MaterialDensity", tr("e.g. 1.36"));
  meanExcitation_ = Field("MaterialMeanExcitation", QString());
  phase_ = new QComboBox;
  phase_->setObjectName("MaterialPhase");
  phase_->addItem(tr("condensed (solid or liquid)"));
  phase_->addItem(tr("gas"));
  nameMessage_ = MakeMessageLabel("NameMessage");
  compositionMessage_ = MakeMessageLabel("CompositionMessage");
  densityMessage_ = MakeMessageLabel("DensityMessage");
  meanExcitationMessage_ = MakeMessageLabel("MeanExcitationMessage");

  auto* form = new QFormLayout(fields);
  form->addRow(tr("&Name:"), name_);
  form->addRow(QString(), nameMessage_);
  form->addRow(tr("&Composition:"), composition_);
  form->addRow(QString(), compositionMessage_);
  form->addRow(tr("&Density (g/cm\u00b3):"), density_);
  form->addRow(QString(), densityMessage_);
  form->addRow(tr("&Phase:"), phase_);
  form->addRow(tr("Mean &excitation energy (eV):"), meanExcitation_);
  form->addRow(QString(), meanExcitationMessage_);
  for (QLineEdit* edit : {name_, composition_, density_, meanExcitation_})
    connect(edit, &QLineEdit::textChanged, this, &NewMaterialDialog::FieldsEdited);
  connect(phase_, &QComboBox::currentIndexChanged, this, &NewMaterialDialog::FieldsEdited);
  return fields;
}

QWidget* NewMaterialDialog::BuildPreview() {
  preview_ = new QTableWidget(3, 4);
  preview_->setObjectName("MaterialPreview");
  preview_->setHorizontalHeaderLabels({tr("Electronic (MeV cm\u00b2/g)"),
                                       tr("Nuclear (MeV cm\u00b2/g)"), tr("Total (MeV cm\u00b2/g)"),
                                       tr("CSDA range (g/cm\u00b2)")});
  preview_->setVerticalHeaderLabels({tr("1 MeV"), tr("5 MeV"), tr("10 MeV")});
  preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  preview_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  preview_->setFocusPolicy(Qt::NoFocus);
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 4; ++c) {
      auto* item = new QTableWidgetItem;
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      preview_->setItem(r, c, item);
    }
  const int height = preview_->horizontalHeader()->sizeHint().height() +
                     3 * preview_->verticalHeader()->defaultSectionSize();
  preview_->setFixedHeight(height + 2 * preview_->frameWidth());
  preview_->setMinimumWidth(620);
  return preview_;
}

void NewMaterialDialog::showEvent(QShowEvent* event) {
  shippedTables_ = ListTableFiles(ShippedTableFolders(FindWindowDataFolder()));
  FieldsEdited();
  QDialog::showEvent(event);
}

QString NewMaterialDialog::NameClash(const std::string& fileName) const {
  const std::string stem = std::filesystem::path(fileName).stem().string();
  if (FindMaterialNamed(shippedTables_, stem))
    return tr("a shipped table is named %1: choose another name").arg(FromUtf8(stem));
  // Listed at every key: the user may delete one of them in the main window meanwhile.
  const CatalogFolder usersFolder[] = {{ProcessUserCompoundFolder(), MaterialKind::Compound}};
  const std::optional<CatalogEntry> own = FindMaterialNamed(ListTableFiles(usersFolder), stem);
  if (!own || own->name == stem) return {};
  return tr("you have %1 already: type \"%1\" to replace it").arg(FromUtf8(own->name));
}

void NewMaterialDialog::FieldsEdited() {
  const tables::MaterialInput input{
      .name = name_->text().toStdString(),
      .composition = composition_->text().toStdString(),
      .density = density_->text().toStdString(),
      .meanExcitationEnergy = meanExcitation_->text().toStdString(),
      .phase = phase_->currentIndex() == 1 ? tables::Phase::Gas : tables::Phase::Condensed,
      .form = std::nullopt};
  const tables::CheckedMaterial checked = tables::ParseMaterialInput(input);
  QString messages[4];
  // An empty field says nothing yet: the user has not come to it.
  const QLineEdit* boxes[4] = {name_, composition_, density_, meanExcitation_};
  for (const tables::MaterialFault& fault : checked.faults) {
    const auto field = static_cast<std::size_t>(fault.field);
    if (field < 4 && !boxes[field]->text().trimmed().isEmpty())
      messages[field] = FromUtf8(fault.message);
  }
  material_ = checked.material;
  if (material_) {
    if (const QString clash = NameClash(material_->fileName); !clash.isEmpty()) {
      messages[static_cast<std::size_t>(MaterialField::Name)] = clash;
      material_.reset();
    }
  }
  QLabel* labels[4] = {nameMessage_, compositionMessage_, densityMessage_, meanExcitationMessage_};
  for (std::size_t f = 0; f < 4; ++f) {
    labels[f]->setText(messages[f]);
    labels[f]->setVisible(!messages[f].isEmpty());  // no gap under a field that is fine
  }
  meanExcitation_->setPlaceholderText(
      checked.defaultMeanExcitationEnergy
          ? tr("%1 from the composition").arg(*checked.defaultMeanExcitationEnergy, 0, 'f', 1)
          : tr("from the composition"));
  save_->setEnabled(material_.has_value());

  std::optional<MaterialTable> table;
  if (material_) table = tables::TableOfMaterial(*material_);
  for (int r = 0; r < 3; ++r) {
    std::optional<StopPowers> stopping;
    std::optional<double> csda;
    if (table) {
      stopping = InterpolateStopPower(*table, PreviewEnergies[r]);
      const Checked<double> range = CsdaRangeAtEnergy(*table, PreviewEnergies[r]);
      if (const auto* value = std::get_if<double>(&range)) csda = *value;
    }
    const std::optional<double> cells[] = {
        stopping ? std::optional(stopping->electronic) : std::nullopt,
        stopping ? std::optional(stopping->nuclear) : std::nullopt,
        stopping ? std::optional(stopping->total) : std::nullopt, csda};
    for (int c = 0; c < 4; ++c)
      preview_->item(r, c)->setText(cells[c] ? FromUtf8(FormatReadout(*cells[c])) : QString());
  }
}

void NewMaterialDialog::SaveClicked() {
  if (!material_) return;
  const QString folder = FromUtf8(ProcessUserCompoundFolder().string());
  if (folder.isEmpty()) {
    ShowWarning(
        this,
        tr("There is no folder for your own materials: neither XDG_DATA_HOME nor HOME is set."));
    return;
  }
  const QString path = QDir(folder).filePath(FromUtf8(material_->fileName));
  if (QFile::exists(path) &&
      QMessageBox::question(
          this, QString::fromUtf8(ApplicationTitle),
          tr("You have a material named %1 already. Replace it?").arg(name_->text())) !=
          QMessageBox::Yes)
    return;
  const std::string text =
      tables::FormatStoppingTable(*material_, tables::ComputeStoppingTable(*material_));
  QString error;
  if (!QDir().mkpath(folder))
    error = tr("Cannot make the folder \"%1\".").arg(QDir::toNativeSeparators(folder));
  else
    error = WriteWholeFile(path, QByteArray::fromStdString(text));
  if (!error.isEmpty()) {
    ShowWarning(this, error);
    return;
  }
  hide();
  emit Saved(path);
}

}  // namespace alphastop::ui
