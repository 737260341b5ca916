// Finding a material by what a user calls it, the table files listed whatever the letter case
// of their extension, and the one loader of MATERIAL with its cache.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "core/catalog/MaterialLoader.h"
#include "core/catalog/MaterialSearch.h"
#include "support/CheckedValue.h"
#include "support/SharedData.h"
#include "support/TableFiles.h"

namespace alphastop {
namespace {

using testing::JoinLines;
using testing::TempFolder;
using testing::ValidTableLines;

// Names and titles as the shipped tables have them, the renamed ones among them.
const std::map<std::string, std::string> Titles = {
    {"Silicon", "SILICON"},
    {"Silicon_dioxide", "SILICON DIOXIDE"},
    {"Polyethylene", "POLYETHYLENE"},
    {"Polyethylene_terephthalate_mylar", "POLYETHYLENE TEREPHTHALATE (MYLAR)"},
    {"Polymethyl_methacralate_lucite_perspex",
     "POLYMETHYL METHACRYLATE (LUCITE, PERSPEX, PLEXIGLAS)"},
    {"Polytetrafluoroethylene_teflon", "POLYTETRAFLUOROETHYLENE (TEFLON)"},
    {"Pyrex_glass", "GLASS, PYREX"},
    {"Glass_plate", "GLASS, PLATE"}};

std::vector<CatalogEntry> Entries() {
  std::vector<CatalogEntry> entries;
  for (const auto& [name, title] : Titles)
    entries.push_back({name, name + ".asc", MaterialKind::Compound});
  return entries;
}

TEST(FindMaterial, TakesExactNamesFirstThenCommonNamesThenWordsOfNamesAndTitles) {
  const std::vector<CatalogEntry> entries = Entries();
  const TitleOfEntry title = [](const CatalogEntry& e) { return Titles.at(e.name); };
  const std::pair<const char*, const char*> cases[] = {
      {"Silicon", "Silicon"},
      {" silicon DIOXIDE ", "Silicon_dioxide"},
      {"polyethylene", "Polyethylene"},
      {"Mylar", "Polyethylene_terephthalate_mylar"},
      {"PET", "Polyethylene_terephthalate_mylar"},
      {"terephthalate mylar", "Polyethylene_terephthalate_mylar"},
      {"Teflon", "Polytetrafluoroethylene_teflon"},
      {"ptfe", "Polytetrafluoroethylene_teflon"},
      {"PMMA", "Polymethyl_methacralate_lucite_perspex"},
      {"Plexiglas", "Polymethyl_methacralate_lucite_perspex"},
      {"methacrylate", "Polymethyl_methacralate_lucite_perspex"},
      {"Polythene", "Polyethylene"},
      {"Pyrex", "Pyrex_glass"},
      {"glass",
       "\"glass\" fits several materials: Glass_plate, Pyrex_glass; give one of these names"},
      {"Kapton", "unknown material \"Kapton\" in here"},
      {"", "no material is given"}};
  for (const auto& [text, outcome] : cases) {
    const Checked<CatalogEntry> found = FindMaterial(entries, text, " in here", title);
    EXPECT_EQ(Refused(found) ? Refused(found)->message : ValueOf(found)->name, outcome) << text;
  }
}

TEST(RankMatches, PutsTheExactNameFirstThenNamesThatBeginWithTheText) {
  const std::vector<CatalogEntry> entries = Entries();
  const auto names = [&](const char* typed) {
    std::string joined;
    for (std::size_t k : RankMatches(entries, typed)) joined += entries[k].name + " ";
    return joined;
  };
  EXPECT_EQ(names("silicon"), "Silicon Silicon_dioxide ");
  EXPECT_EQ(names("GLASS"), "Glass_plate Pyrex_glass ");
  EXPECT_EQ(names("xyz"), "");
}

TEST(MaterialLoader, ReadsNamesOfAnyExtensionCasePathsAndWrittenOutMaterialsAndForgetsGoneTables) {
  TempFolder data;
  data.Write("as/GOLD.AS", JoinLines(ValidTableLines("GOLD")));
  data.Write("asc/Water.Asc", JoinLines(ValidTableLines("WATER")));
  data.Write("asc/notes.txt", "not a table");
  std::filesystem::create_directories(data.Path() / "asc" / "Folder.asc");
  const DataFolder folder{DataSource::Explicit, data.Path(), std::nullopt};
  const MaterialCatalog catalog = CatalogOf(folder);
  std::string listed;
  for (const CatalogEntry& entry : catalog.entries) listed += entry.name + " ";
  EXPECT_TRUE(listed.starts_with("GOLD Water ")) << listed;

  EXPECT_EQ(testing::Value(LoadMaterial("gold", catalog)).table.MaterialTitle, "GOLD");
  const LoadedMaterial path =
      testing::Value(LoadMaterial((data.Path() / "asc/Water.Asc").string(), catalog));
  EXPECT_EQ(path.table.MaterialTitle, "WATER");
  const LoadedMaterial computed =
      testing::Value(LoadMaterial("formula=H2O,density=1,name=Ice", catalog));
  EXPECT_TRUE(computed.name == "Ice" && computed.path.empty() && computed.table.density == 1.0);
  const Checked<LoadedMaterial> damaged =
      LoadMaterial((testing::DamagedFolder() / "nan.as").string(), catalog);
  ASSERT_TRUE(Refused(damaged));
  EXPECT_TRUE(Refused(damaged)->kind == RefusalKind::Unreadable &&
              Refused(damaged)->message.find('\n') == std::string::npos)
      << Refused(damaged)->message;
  EXPECT_EQ(Refused(LoadMaterial("formula=H2O", catalog))->kind, RefusalKind::BadInput);

  // A table deleted is gone at the next catalog, and found again once it is back.
  MaterialCache cache(catalog);
  EXPECT_TRUE(ValueOf(cache.Load("Water")));
  std::filesystem::remove(data.Path() / "asc/Water.Asc");
  EXPECT_TRUE(ValueOf(cache.Load("Water"))) << "kept until the catalog is read again";
  cache.SetCatalog(CatalogOf(folder));
  EXPECT_EQ(testing::RefusalText(cache.Load("Water")),
            "unknown material \"Water\" in \"" + data.Path().string() + "\"");
  data.Write("asc/water.asc", JoinLines(ValidTableLines("WATER AGAIN")));
  cache.SetCatalog(CatalogOf(folder));
  EXPECT_EQ(testing::Value(cache.Load("Water")).table.MaterialTitle, "WATER AGAIN");
}

}  // namespace
}  // namespace alphastop
