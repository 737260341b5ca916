#include "BenchTables.h"

#include "support/SharedData.h"
#include "support/TableFiles.h"

namespace alphastop::bench {

std::string BenchTables::Origin() const {
  if (generated)
    return "no reference tables in " + (testing::SharedDir() / "reference").string() +
           " (set ALPHASTOP_SHARED): timed on generated valid tables of the same layout instead";
  return "timed on the reference tables in " + folder.string() + " (" + element + ", " +
         otherElement + ")";
}

BenchTables FindBenchTables() {
  if (const auto reference = testing::ReferenceDir();
      reference && std::filesystem::exists(*reference / "as/Gold.as") &&
      std::filesystem::exists(*reference / "as/Silicon.as"))
    return {*reference, "Gold.as", "Silicon.as", false, nullptr};
  auto folder = std::make_shared<testing::TempFolder>();
  folder->Write("as/Gold.as", testing::JoinLines(testing::ValidTableLines("GENERATED HEAVY")));
  folder->Write("as/Silicon.as", testing::JoinLines(testing::ValidTableLines("GENERATED LIGHT")));
  folder->Write("asc/Mixture.asc",
                testing::JoinLines(testing::ValidTableLines("GENERATED MIXTURE")));
  return {folder->Path(), "Gold.as", "Silicon.as", true, folder};
}

}  // namespace alphastop::bench
