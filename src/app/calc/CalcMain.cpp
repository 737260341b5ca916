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
  std::string energyOut;
  std::string out;
  PictureOptions picture;
  bool ranges = false;
  CompareOptions compare;
  std::vector<std::string> values;
  StackWords stack;
  std::string angle;
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
    std::string names;
    for (const CLI::App* command : app.get_subcommands([](const CLI::App*) { return true; })) {
      if (command->get_name() == word) return;
      names += (names.empty() ? "" : ", ") + command->get_name();
    }
    throw CalcError(ExitBadInput, "unknown command " + Quote(word) + " (use " + names + ")");
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
      "Energies: 5.5 (MeV), 5.5MeV, 800keV, 1GeV, or a nuclide for its principal alpha line\n"
      "(Am-241, po210; the nuclides command lists them). Thicknesses and ranges: 30um, nm, mm, "
      "cm,\n"
      "m, ug/cm2, mg/cm2, g/cm2 (a bare number is g/cm2); lengths need the material's density.");

  CLI::App* materials =
      app.add_subcommand("materials", "the materials found: file, title, density");
  CLI::App* stopping = app.add_subcommand("stopping", "stopping powers and ranges at each energy");
  stopping->add_option("MATERIAL", a.material, "the material")->required();
  stopping->add_option("ENERGY", a.values, "energies, e.g. 5.5 800keV Am-241")->required();
  CLI::App* energy = app.add_subcommand("energy", "the energy whose CSDA range is RANGE");
  energy->add_option("MATERIAL", a.material, "the material")->required();
  energy->add_option("RANGE", a.values, "CSDA ranges, e.g. 30um 2mg/cm2")->required();
  std::vector<const CLI::Option*> angles;
  const auto addStack = [&](CLI::App* command) {
    angles.push_back(
        command
            ->add_option("--angle", a.angle,
                         "angle of incidence from the layers' normal, degrees, 0 to below 90")
            ->type_name("DEG"));
    command
        ->add_option("--stack", a.stack.file,
                     "a stack file (JSON, as the range window saves it); ENERGY replaces\n"
                     "its energy and may be left out, LAYERs follow its layers")
        ->type_name("FILE.json");
    command->add_option("ENERGY LAYER", a.stack.words,
                        "the energy entering the first layer, then the layers in order, each\n"
                        "MATERIAL:THICKNESS[,pressure=P][,temperature=T][,density=D]\n"
                        "(e.g. 5.5 Mylar:6um Air:2cm,pressure=20mbar Silicon:300um); pressure\n"
                        "in Pa, kPa, hPa, mbar, bar, Torr or atm and temperature in K or C for\n"
                        "a gas, density in g/cm3 for any layer");
    return command;
  };
  CLI::App* layers = addStack(app.add_subcommand(
      "layers", "the energy through each layer in turn, and the spread (FWHM) it gains"));
  CLI::App* depth = addStack(app.add_subcommand(
      "depth", "energy and stopping power along the track through the layers, to the stop"));
  CLI::App* thickness = app.add_subcommand(
      "thickness", "the thickness of MATERIAL that takes ENERGY_IN down to ENERGY_OUT");
  thickness->add_option("MATERIAL", a.material, "the material")->required();
  thickness->add_option("ENERGY_IN", a.energy, "the energy entering, e.g. Am-241")->required();
  thickness->add_option("ENERGY_OUT", a.energyOut, "the energy leaving, e.g. 5.1")->required();
  CLI::App* nuclides =
      app.add_subcommand("nuclides", "the alpha emitters an energy may name, with their lines");
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
  for (CLI::App* command :
       {materials, stopping, energy, layers, depth, thickness, nuclides, table, graph, compare})
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

  for (const CLI::Option* angle : angles)
    if (angle->count() > 0) a.stack.angle = a.angle;
  const CalcOutput output = OutputOf(a);
  const CalcMaterials tables(a.data, argv[0]);
  if (*materials) ListMaterials(tables, output);
  if (*stopping) StoppingAt(tables, a.material, a.values, output);
  if (*energy) EnergyAt(tables, a.material, a.values, output);
  if (*layers) ThroughLayers(tables, a.stack, output);
  if (*depth) DepthThrough(tables, a.stack, output);
  if (*thickness) ThicknessFor(tables, a.material, a.energy, a.energyOut, output);
  if (*nuclides) ListNuclides(output);
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
