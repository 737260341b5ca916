// alphastop-calc: the calculator for scripts and batch work, over the same tables and
// the same core as the window. Results on standard output only; messages on standard
// error; exit status 0 done, 1 a table that cannot be read, 2 bad input. The graph command
// writes a file instead, through alphastop-graph.

#include <CLI/CLI.hpp>

#include <iostream>
#include <string>
#include <vector>

#include "app/calc/CalcCommands.h"
#include "app/calc/CalcError.h"
#include "app/calc/CalcGraph.h"
#include "core/Version.h"
#include "core/graph/GraphFile.h"

namespace {

using namespace alphastop;
using namespace alphastop::calc;

constexpr const char* Program = CalculatorName;

struct Arguments {
  std::string data;
  std::string format = "text";
  std::string material;
  std::string energy;
  std::string out;
  PictureOptions picture;
  bool ranges = false;
  CompareOptions compare;
  std::vector<std::string> values;
};

void AddPictureOptions(CLI::App* command, PictureOptions& picture) {
  command
      ->add_option("--scale", picture.scale,
                   "pixels of a PNG for each pixel of the picture, 1 to 8")
      ->check(CLI::Range(1, MaxGraphScale))
      ->capture_default_str();
  command
      ->add_option("--style", picture.style,
                   "screen (the window's navy) or print (white, black text, dashed curves)")
      ->check(CLI::IsMember({"screen", "print"}))
      ->capture_default_str();
}

CalcOutput OutputOf(const Arguments& arguments) {
  const auto format = ReportFormatNamed(arguments.format);
  if (!format)
    throw CalcError(ExitBadInput,
                    "unknown format " + Quote(arguments.format) + " (use text, csv or json)");
  return {*format};
}

// CLI11 would only say that a command is missing; name the word taken for one.
void RefuseUnknownCommand(const CLI::App& app, int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string word = argv[i];
    if (word == "--data" || word == "--format") ++i;
    if (word.starts_with("-")) continue;
    for (const CLI::App* command : app.get_subcommands([](const CLI::App*) { return true; }))
      if (command->get_name() == word) return;
    throw CalcError(ExitBadInput,
                    "unknown command " + Quote(word) +
                        " (use materials, stopping, energy, layers, table, graph or compare)");
  }
}

int Run(int argc, char** argv) {
  Arguments a;
  CLI::App app{"Stopping power and range of alpha particles (helium ions) in matter.", Program};
  app.set_version_flag("--version", std::string(ApplicationVersion));
  app.require_subcommand(1);
  app.add_option("--data", a.data,
                 "folder holding as/ and asc/ (default: ALPHASTOP_DATA, the working folder, "
                 "then the installed tables)");
  app.add_option("--format", a.format, "text (aligned columns for people), csv or json")
      ->capture_default_str();
  app.footer(
      "MATERIAL is a table file's name without extension (Water_liquid, silicon), a path to a "
      "table file\n"
      "(AlphaStop's own, a CSV with energy_MeV and stopping-power columns, or SRIM's SR "
      "output),\n"
      "or a material written out: formula=C10H8O4,density=1.4[,ivalue=78.7][,gas][,name=Mylar], "
      "with\n"
      "weights=1:0.111894,8:0.888106 or atoms=H:2,O:1 in place of formula= where wanted; density "
      "in g/cm3,\n"
      "ivalue (mean excitation energy, eV) worked out from the composition where left out.\n"
      "Energies: 5.5 (MeV), 5.5MeV, 800keV, 1GeV. Thicknesses and ranges: 30um, nm, mm, cm, m,\n"
      "ug/cm2, mg/cm2, g/cm2 (a bare number is g/cm2); lengths need the material's density.");

  CLI::App* materials =
      app.add_subcommand("materials", "the materials found: file, title, density");
  CLI::App* stopping = app.add_subcommand("stopping", "stopping powers and ranges at each energy");
  stopping->add_option("MATERIAL", a.material, "the material")->required();
  stopping->add_option("ENERGY", a.values, "energies, e.g. 5.5 800keV")->required();
  CLI::App* energy = app.add_subcommand("energy", "the energy whose CSDA range is RANGE");
  energy->add_option("MATERIAL", a.material, "the material")->required();
  energy->add_option("RANGE", a.values, "CSDA ranges, e.g. 30um 2mg/cm2")->required();
  CLI::App* layers = app.add_subcommand("layers", "the energy through each layer in turn");
  layers->add_option("ENERGY", a.energy, "the energy entering the first layer")->required();
  layers
      ->add_option("MATERIAL:THICKNESS", a.values,
                   "layers in order, e.g. Mylar:6um Air_dry_near_sea_level:2cm")
      ->required();
  CLI::App* table =
      app.add_subcommand("table", "the whole table of a material, as its file gives it");
  table->add_option("MATERIAL", a.material, "the material")->required();
  CLI::App* graph =
      app.add_subcommand("graph", "the graph of MATERIAL as the window shows it, as PNG or SVG");
  graph->add_option("MATERIAL", a.material, "the material")->required();
  graph
      ->add_option("OUT", a.out,
                   "the file to write, by its extension: .png (an image) or .svg (a drawing)")
      ->required();
  AddPictureOptions(graph, a.picture);
  graph->add_flag("--ranges", a.ranges, "the CSDA and projected ranges, not the stopping powers");
  CLI::App* compare = app.add_subcommand(
      "compare", "MATERIAL... side by side, and their differences from one, as PNG, SVG or CSV");
  compare
      ->add_option("MATERIAL... OUT", a.values,
                   "up to 8 materials, then the file to write: .png, .svg (a picture) or .csv "
                   "(energy_MeV and a column for each material)")
      ->required();
  compare->add_option("--quantity", a.compare.quantity, "what is compared")
      ->check(CLI::IsMember({"electronic", "nuclear", "total", "csda", "projected"}))
      ->capture_default_str();
  compare->add_option("--base", a.compare.base, "the material the others are measured from, from 1")
      ->capture_default_str();
  AddPictureOptions(compare, a.compare.picture);
  for (CLI::App* command : {materials, stopping, energy, layers, table, graph, compare})
    command->fallthrough();

  try {
    RefuseUnknownCommand(app, argc, argv);
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    std::cout << app.help();
    return ExitDone;
  } catch (const CLI::CallForVersion&) {
    std::cout << Program << " " << ApplicationVersion << "\n";
    return ExitDone;
  } catch (const CLI::ParseError& e) {
    std::cerr << Program << ": " << e.what() << " (see " << Program << " --help)\n";
    return ExitBadInput;
  }

  const CalcOutput output = OutputOf(a);
  const CalcMaterials tables(a.data, argv[0]);
  if (*materials) ListMaterials(tables, output);
  if (*stopping) StoppingAt(tables, a.material, a.values, output);
  if (*energy) EnergyAt(tables, a.material, a.values, output);
  if (*layers) ThroughLayers(tables, a.energy, a.values, output);
  if (*table) WholeTable(tables, a.material, output);
  if (*graph) WriteGraph(tables, a.material, a.out, a.picture, a.ranges, argv[0]);
  if (*compare) WriteComparison(tables, a.values, a.compare, argv[0]);
  return ExitDone;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const CalcError& e) {
    std::cerr << Program << ": " << e.what() << "\n";
    return e.Status();
  }
}
