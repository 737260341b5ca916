// alphastop-tables: writes stopping tables of helium ions computed with AlphaStop's model.
//
//   alphastop-tables --all DIR
//       writes every shipped material: elements to DIR/as, compounds and mixtures to DIR/asc.
//   alphastop-tables (--formula C10H8O4 | --weights 1:0.111894,8:0.888106 | --atoms H:2,O:1)
//                    --density G_PER_CM3 [--ivalue EV] [--gas] [--name NAME] OUT
//       writes one table to OUT; without --ivalue, I follows from the composition.
// Exit codes: 0 success, 1 a file could not be written, 2 bad arguments or material.

#include <CLI/CLI.hpp>

#include "core/materials/MaterialInput.h"
#include "core/materials/MaterialList.h"
#include "core/physics/StoppingTable.h"
#include "core/physics/TableWriter.h"

#include <filesystem>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

namespace {

using namespace alphastop::tables;

constexpr int ExitWriteFailed = 1;
constexpr int ExitUsage = 2;
constexpr const char* Program = "alphastop-tables";

class UsageError : public std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct Arguments {
  std::string all;
  std::string formula, weights, atoms;
  std::optional<std::string> density;
  std::string ivalue;
  bool gas = false;
  std::string name;
  std::string output;
};

std::filesystem::path OutputPath(const std::filesystem::path& dir, const Material& material) {
  const bool element = std::filesystem::path(material.fileName).extension() == ".as";
  return dir / (element ? "as" : "asc") / material.fileName;
}

int WriteAll(const std::filesystem::path& dir) {
  for (const Material& material : ShippedMaterials()) {
    WriteStoppingTable(OutputPath(dir, material), material, ComputeStoppingTable(material));
  }
  return 0;
}

MaterialInput InputOf(const Arguments& a) {
  MaterialInput input;
  for (const auto& [text, form] : {std::pair{&a.formula, CompositionForm::Formula},
                                   std::pair{&a.weights, CompositionForm::Weights},
                                   std::pair{&a.atoms, CompositionForm::Atoms}}) {
    if (text->empty()) continue;
    if (input.form) throw UsageError("give one of --formula, --weights and --atoms");
    input.form = form;
    input.composition = *text;
  }
  if (!input.form) throw UsageError("give --formula, --weights or --atoms");
  if (!a.density) throw UsageError("give --density");
  if (a.output.empty()) throw UsageError("give the output file");
  input.density = *a.density;
  input.meanExcitationEnergy = a.ivalue;
  input.phase = a.gas ? Phase::Gas : Phase::Condensed;
  input.name = !a.name.empty() ? a.name
               : input.form == CompositionForm::Formula
                   ? input.composition
                   : std::filesystem::path(a.output).stem().string();
  return input;
}

int WriteOne(const Arguments& a) {
  CheckedMaterial checked = ParseMaterialInput(InputOf(a));
  if (!checked.material) {
    std::cerr << Program << ": " << checked.faults.front().message << "\n";
    return ExitUsage;
  }
  Material& material = *checked.material;
  material.fileName = std::filesystem::path(a.output).filename().string();
  WriteStoppingTable(a.output, material, ComputeStoppingTable(material));
  return 0;
}

int Run(int argc, char** argv) {
  Arguments a;
  CLI::App app{"Writes stopping tables of helium ions computed with AlphaStop's model.", Program};
  app.add_option("--all", a.all, "write every shipped material: DIR/as/*.as, DIR/asc/*.asc")
      ->type_name("DIR");
  app.add_option("--formula", a.formula, "a chemical formula, e.g. C10H8O4 or Ca(OH)2");
  app.add_option("--weights", a.weights, "fractions by weight, e.g. 1:0.111894,8:0.888106");
  app.add_option("--atoms", a.atoms, "atoms by symbol, e.g. H:2,O:1");
  app.add_option("--density", a.density, "density in g/cm3")->type_name("G_CM3");
  app.add_option("--ivalue", a.ivalue,
                 "mean excitation energy in eV; without it, I comes from the composition by the "
                 "rule of ICRU Report 37")
      ->type_name("EV");
  app.add_flag("--gas", a.gas, "the material is a gas");
  app.add_option("--name", a.name, "the material's name, for the title on line 2");
  app.add_option("OUT", a.output, "the table file to write");
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    std::cout << app.help();
    return 0;
  } catch (const CLI::ParseError& e) {
    std::cerr << Program << ": " << e.what() << " (see " << Program << " --help)\n";
    return ExitUsage;
  }
  if (!a.all.empty()) {
    if (!a.output.empty() || !a.formula.empty() || !a.weights.empty() || !a.atoms.empty())
      throw UsageError("--all takes exactly one folder and nothing else");
    return WriteAll(a.all);
  }
  return WriteOne(a);
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const UsageError& e) {
    std::cerr << Program << ": " << e.what() << " (see " << Program << " --help)\n";
    return ExitUsage;
  } catch (const std::exception& e) {
    std::cerr << Program << ": " << e.what() << "\n";
    return ExitWriteFailed;
  }
}
