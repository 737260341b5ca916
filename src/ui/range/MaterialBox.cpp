#include "ui/range/MaterialBox.h"

#include <QComboBox>
#include <QCompleter>

#include "core/catalog/MaterialSearch.h"

namespace alphastop::ui {

QComboBox* MakeMaterialBox(const std::vector<CatalogEntry>& materials, const std::string& material,
                           const QString& name) {
  auto* box = new QComboBox;
  box->setObjectName(name);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  for (const CatalogEntry& entry : materials) box->addItem(QString::fromStdString(entry.name));
  box->completer()->setFilterMode(Qt::MatchContains);
  box->completer()->setCompletionMode(QCompleter::PopupCompletion);
  box->setCurrentIndex(box->findText(QString::fromStdString(material)));
  box->setEditText(QString::fromStdString(material));
  return box;
}

std::string ResolvedMaterial(const std::vector<CatalogEntry>& materials, const std::string& typed) {
  if (const auto ranked = RankMatches(materials, typed); !ranked.empty())
    return materials[ranked.front()].name;
  if (const Checked<CatalogEntry> found = FindMaterial(materials, typed); ValueOf(found))
    return ValueOf(found)->name;
  return typed;
}

}  // namespace alphastop::ui
