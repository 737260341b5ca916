// alphastop-tables: writes stopping tables of helium ions computed with AlphaStop's model.
//
//   alphastop-tables --all DIR
//       writes every shipped material: elements to DIR/as, compounds and mixtures to DIR/asc.
//   alphastop-tables (--formula C10H8O4 | --weights 1:0.111894,8:0.888106 | --atoms H:2,O:1)
//                    --density G_PER_CM3 [--ivalue EV] [--gas] [--name NAME] OUT
//       writes one table to OUT; without --ivalue, I follows from the composition.
// Exit codes: 0 success, 1 a file could not be written, 2 bad arguments or material.

#include "core/materials/MaterialInput.h"
#include "core/materials/MaterialList.h"
#include "core/physics/StoppingTable.h"
#include "core/physics/TableWriter.h"

#include <filesystem>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace alphastop::tables;

constexpr int ExitWriteFailed = 1;
constexpr int ExitUsage = 2;

class UsageError : public std::runtime_error {
  using std::runtime_error::runtime_error;
};

void PrintUsage(std::ostream& out) {
  out << "usage: alphastop-tables --all DIR\n"
         "       alphastop-tables (--formula C10H8O4 | --weights Z:W,Z:W,... | --atoms H:2,O:1)\n"
         "                        --density G_CM3 [--ivalue EV] [--gas] [--name NAME] OUT\n"
         "       without --ivalue, I comes from the composition by the rule of ICRU Report 37\n";
}

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

int WriteOne(const std::vector<std::string_view>& args) {
  MaterialInput input;
  std::optional<std::string> output;
  bool haveDensity = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    const auto value = [&]() -> std::string_view {
      if (i + 1 >= args.size()) throw UsageError(std::string(arg) + " needs a value");
      return args[++i];
    };
    const auto composition = [&](CompositionForm form) {
      if (input.form) throw UsageError("give one of --formula, --weights and --atoms");
      input.form = form;
      input.composition = std::string(value());
    };
    if (arg == "--formula") {
      composition(CompositionForm::Formula);
    } else if (arg == "--weights") {
      composition(CompositionForm::Weights);
    } else if (arg == "--atoms") {
      composition(CompositionForm::Atoms);
    } else if (arg == "--density") {
      input.density = std::string(value());
      haveDensity = true;
    } else if (arg == "--ivalue") {
      input.meanExcitationEnergy = std::string(value());
    } else if (arg == "--gas") {
      input.phase = Phase::Gas;
    } else if (arg == "--name") {
      input.name = std::string(value());
    } else if (arg.starts_with("--")) {
      throw UsageError("unknown option " + std::string(arg));
    } else if (output) {
      throw UsageError("more than one output file given");
    } else {
      output = std::string(arg);
    }
  }
  if (!input.form) throw UsageError("give --formula, --weights or --atoms");
  if (!haveDensity) throw UsageError("give --density");
  if (!output) throw UsageError("give the output file");
  if (input.name.empty()) {
    input.name = input.form == CompositionForm::Formula
                     ? input.composition
                     : std::filesystem::path(*output).stem().string();
  }
  CheckedMaterial checked = ParseMaterialInput(input);
  if (!checked.material) throw std::invalid_argument(checked.faults.front().message);
  Material& material = *checked.material;
  material.fileName = std::filesystem::path(*output).filename().string();
  WriteStoppingTable(*output, material, ComputeStoppingTable(material));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  try {
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
      PrintUsage(args.empty() ? std::cerr : std::cout);
      return args.empty() ? ExitUsage : 0;
    }
    if (args[0] == "--all") {
      if (args.size() != 2) throw UsageError("--all takes exactly one folder");
      return WriteAll(args[1]);
    }
    return WriteOne(args);
  } catch (const UsageError& e) {
    std::cerr << "alphastop-tables: " << e.what() << "\n";
    PrintUsage(std::cerr);
    return ExitUsage;
  } catch (const std::invalid_argument& e) {
    std::cerr << "alphastop-tables: " << e.what() << "\n";
    return ExitUsage;
  } catch (const std::exception& e) {
    std::cerr << "alphastop-tables: " << e.what() << "\n";
    return ExitWriteFailed;
  }
}
