// alphastop-tables: writes stopping tables of helium ions computed with AlphaStop's model.
//
//   alphastop-tables --all DIR
//       writes every shipped material: elements to DIR/as, compounds and mixtures to DIR/asc.
//   alphastop-tables (--formula H2O | --weights 1:0.111894,8:0.888106)
//                    --density G_PER_CM3 --ivalue EV [--gas] [--name NAME] OUT
//       writes one table to OUT.
//   alphastop-tables --where [--data DIR]
//       prints the folder whose as/ and asc/ the programs read, a tab, and the rule that chose it.
// Exit codes: 0 success, 1 a file could not be written or no data folder is usable, 2 bad
// arguments or material.

#include "core/paths/DataFolder.h"
#include "core/tables/ChemicalFormula.h"
#include "core/tables/MaterialList.h"
#include "core/tables/StoppingTable.h"
#include "core/tables/TableWriter.h"

#include <charconv>
#include <cstdio>
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
constexpr int ExitNoDataFolder = 1;
constexpr int ExitUsage = 2;

class UsageError : public std::runtime_error {
  using std::runtime_error::runtime_error;
};

void PrintUsage(std::ostream& out) {
  out << "usage: alphastop-tables --all DIR\n"
         "       alphastop-tables (--formula FORMULA | --weights Z:W,Z:W,...) --density G_CM3\n"
         "                        --ivalue EV [--gas] [--name NAME] OUT\n"
         "       alphastop-tables --where [--data DIR]\n";
}

double ParseDouble(std::string_view option, std::string_view text) {
  double value = 0.0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) {
    throw UsageError(std::string(option) + ": not a number: " + std::string(text));
  }
  return value;
}

std::vector<ElementFraction> ParseWeights(std::string_view text) {
  std::vector<ElementFraction> composition;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t comma = std::min(text.find(',', start), text.size());
    const std::string_view pair = text.substr(start, comma - start);
    const std::size_t colon = pair.find(':');
    if (colon == std::string_view::npos) {
      throw UsageError("--weights: expected Z:fraction, got \"" + std::string(pair) + "\"");
    }
    const double z = ParseDouble("--weights", pair.substr(0, colon));
    if (z != static_cast<int>(z)) throw UsageError("--weights: atomic number must be whole");
    composition.push_back({static_cast<int>(z), ParseDouble("--weights", pair.substr(colon + 1))});
    start = comma + 1;
  }
  return composition;
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

int PrintDataFolder(const std::vector<std::string_view>& args, const char* argv0) {
  std::filesystem::path explicitFolder;
  if (args.size() == 3 && args[1] == "--data") {
    explicitFolder = args[2];
  } else if (args.size() != 1) {
    throw UsageError("--where takes only --data DIR");
  }
  const alphastop::DataFolder data = alphastop::FindDataFolder(alphastop::ProcessDataFolderInputs(explicitFolder, argv0));
  if (!data.error.empty()) {
    std::cerr << "alphastop-tables: " << data.error << "\n";
    return ExitNoDataFolder;
  }
  std::cout << data.folder.string() << "\t" << alphastop::DataSourceName(data.source) << "\n";
  return 0;
}

int WriteOne(const std::vector<std::string_view>& args) {
  Material material;
  std::optional<std::string> formula;
  std::optional<std::string> output;
  bool haveDensity = false;
  bool haveIvalue = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    const auto value = [&]() -> std::string_view {
      if (i + 1 >= args.size()) throw UsageError(std::string(arg) + " needs a value");
      return args[++i];
    };
    if (arg == "--formula") {
      formula = std::string(value());
      material.composition = CompositionOfFormula(*formula);
    } else if (arg == "--weights") {
      material.composition = ParseWeights(value());
    } else if (arg == "--density") {
      material.density = ParseDouble(arg, value());
      haveDensity = true;
    } else if (arg == "--ivalue") {
      material.meanExcitationEnergy = ParseDouble(arg, value());
      haveIvalue = true;
    } else if (arg == "--gas") {
      material.phase = Phase::Gas;
    } else if (arg == "--name") {
      material.name = std::string(value());
    } else if (arg.starts_with("--")) {
      throw UsageError("unknown option " + std::string(arg));
    } else if (output) {
      throw UsageError("more than one output file given");
    } else {
      output = std::string(arg);
    }
  }
  if (material.composition.empty()) throw UsageError("give --formula or --weights");
  if (!haveDensity) throw UsageError("give --density");
  if (!haveIvalue) throw UsageError("give --ivalue");
  if (!output) throw UsageError("give the output file");
  if (const auto error = ValidateMaterial(material)) throw UsageError(*error);
  if (material.name.empty()) {
    material.name = formula ? *formula : std::filesystem::path(*output).stem().string();
  }
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
    if (args[0] == "--where") return PrintDataFolder(args, argv[0]);
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
