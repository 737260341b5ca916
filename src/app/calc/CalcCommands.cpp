#include "app/calc/CalcCommands.h"

#include <iostream>
#include <optional>

#include "app/calc/CalcError.h"
#include "core/data/MaterialFile.h"
#include "core/text/CharacterClass.h"
#include "core/range/LayerText.h"
#include "core/range/Stack.h"
#include "core/range/StackFile.h"
#include "core/report/RangeReports.h"
#include "core/report/EnergyLossReports.h"
#include "core/report/TableReport.h"
#include "core/nuclides/Nuclides.h"
#include "core/units/QuantityText.h"

namespace alphastop::calc {
namespace {

// The value of a check, or a bad-input error that quotes the text it came from (the
// parsers' refusals quote it themselves).
template <typename T>
T Accept(Checked<T> checked, const std::string& text, bool quoted) {
  if (const auto* no = std::get_if<Refusal>(&checked))
    throw CalcError(ExitBadInput, quoted ? no->message : Quote(text) + ": " + no->message);
  return std::get<T>(std::move(checked));
}

double EnergyOf(const std::string& text) { return Accept(ParseEnergyOrNuclide(text), text, true); }

// g/cm2 of a thickness or range text in a material of this table; a refusal quotes what
// the user wrote around it (the layer "Mylar:6um" rather than its "6um").
double ArealDensityOf(const std::string& text, const MaterialTable& table,
                      const std::string& given) {
  const Thickness thickness = Accept(ParseThickness(text, Distance::Range), text, true);
  return Accept(ToArealDensity(thickness, table.density), given, false);
}

void Write(const Report& report, const CalcOutput& output) {
  std::cout << WriteReport(report, output.format);
}

// A layer of a stack file is named by its place in the file, as the command line's by its text.
struct NamedStack {
  StackInput input;
  std::vector<std::string> names;  // each layer's, for messages
};

NamedStack ReadStack(const StackWords& given) {
  NamedStack stack;
  if (!given.file.empty()) {
    Checked<StackInput> read = ReadStackFile(given.file);
    if (const Refusal* no = Refused(read)) throw CalcError(*no);
    stack.input = std::get<StackInput>(std::move(read));
    for (std::size_t k = 1; k <= stack.input.layers.size(); ++k)
      stack.names.push_back("layer " + std::to_string(k) + " of " + Quote(given.file));
  }
  std::vector<std::string> words = given.words;
  // An energy never holds ':', a layer always does.
  if (!words.empty() && (given.file.empty() || words.front().find(':') == std::string::npos)) {
    stack.input.energy = words.front();
    words.erase(words.begin());
  }
  if (given.file.empty() && words.empty())
    throw CalcError(ExitBadInput, "give ENERGY and at least one LAYER, or --stack FILE");
  for (const std::string& text : words) {
    stack.input.layers.push_back(Accept(ParseLayerText(text), text, true));
    stack.names.push_back(Quote(text));
  }
  if (given.angle) stack.input.angle = *given.angle;
  if (TrimSpace(stack.input.energy).empty())
    throw CalcError(ExitBadInput,
                    given.file.empty()
                        ? Quote(stack.input.energy) + ": no number is given"
                        : "no energy: give ENERGY, or \"energy\" in " + Quote(given.file));
  return stack;
}

// The stack worked out; its first fault, where there is one, as a CalcError.
// The stack's layers point into cache, which must outlive the result.
StackResult EvaluateOrThrow(MaterialCache& cache, const NamedStack& stack) {
  StackResult result = EvaluateStack(stack.input, cache);
  if (result.energyRefusal) throw CalcError(*result.energyRefusal);
  if (result.angleRefusal) throw CalcError(*result.angleRefusal);
  for (std::size_t k = 0; k < result.layers.size(); ++k)
    if (const auto& no = result.layers[k].refusal) {
      // An unknown or unreadable material says so itself; other faults name the layer given.
      const bool material = result.layers[k].material.empty();
      throw CalcError(Refusal{material ? no->message : stack.names[k] + ": " + no->message,
                              no->kind, no->line});
    }
  return result;
}

std::vector<std::pair<std::string, ReportCell>> StackFacts(const StackResult& stack) {
  return {{"energy_MeV", *stack.energy}, {"angle_deg", stack.angle}};
}

}  // namespace

void ListMaterials(const CalcMaterials& materials, const CalcOutput& output) {
  const std::vector<CatalogEntry> entries = materials.List();
  Report report{.about = {{"data_folder", materials.Data().folder.string()},
                          {"found_by", std::string(DataSourceName(materials.Data().source))}},
                .columns = {{"file", "file", ""},
                            {"title", "title", ""},
                            {"density_g_cm3", "density", "g/cm3"}},
                .rows = {}};
  for (const CatalogEntry& entry : entries) {
    const Checked<MaterialHeader> read = ReadMaterialHeader(entry.path.string());
    const MaterialHeader header = Refused(read) ? MaterialHeader{} : std::get<MaterialHeader>(read);
    report.rows.push_back(
        {entry.path.filename().string(), header.title, NumberOrEmpty(header.density)});
  }
  Write(report, output);
}

void StoppingAt(const CalcMaterials& materials, const std::string& material,
                const std::vector<std::string>& energies, const CalcOutput& output) {
  const LoadedMaterial named = materials.Load(material);
  Report report{
      .about = MaterialFacts(named.name, named.table), .columns = StoppingColumns(), .rows = {}};
  // How sure the values are, as the table's header states it; empty for a table that is not
  // the program's own.
  report.columns.push_back({"electronic_uncertainty_percent", "electronic uncertainty", "%"});
  report.columns.push_back({"csda_range_uncertainty_percent", "CSDA range uncertainty", "%"});
  for (ReportColumn& column : RangeStragglingColumns()) report.columns.push_back(std::move(column));
  for (const std::string& text : energies) {
    const double energy = EnergyOf(text);
    ReportRow row = Accept(StoppingRow(named.table, energy), text, false);
    row.push_back(NumberOrEmpty(ElectronicUncertaintyPercent(named.table, energy)));
    row.push_back(NumberOrEmpty(CsdaRangeUncertaintyPercent(named.table, energy)));
    for (ReportCell& cell : RangeStragglingCells(named.table, energy))
      row.push_back(std::move(cell));
    report.rows.push_back(std::move(row));
  }
  Write(report, output);
}

void EnergyAt(const CalcMaterials& materials, const std::string& material,
              const std::vector<std::string>& ranges, const CalcOutput& output) {
  const LoadedMaterial named = materials.Load(material);
  Report report{
      .about = MaterialFacts(named.name, named.table), .columns = EnergyColumns(), .rows = {}};
  for (const std::string& text : ranges)
    report.rows.push_back(
        Accept(EnergyRow(named.table, ArealDensityOf(text, named.table, text)), text, false));
  Write(report, output);
}

void WholeTable(const CalcMaterials& materials, const std::string& material,
                const CalcOutput& output) {
  const LoadedMaterial named = materials.Load(material);
  Report report = TableReport(named.table);
  report.about = MaterialFacts(named.name, named.table);
  Write(report, output);
}

void ThroughLayers(const CalcMaterials& materials, const StackWords& given,
                   const CalcOutput& output) {
  MaterialCache cache = materials.Cache();
  const StackResult stack = EvaluateOrThrow(cache, ReadStack(given));
  Write(Report{.about = StackFacts(stack), .columns = LayerColumns(), .rows = LayerRows(stack)},
        output);
}

void DepthThrough(const CalcMaterials& materials, const StackWords& given,
                  const CalcOutput& output) {
  const NamedStack named = ReadStack(given);
  MaterialCache cache = materials.Cache();
  const StackResult stack = EvaluateOrThrow(cache, named);
  Checked<DepthProfile> profile = StackDepthProfile(stack);
  if (const Refusal* no = Refused(profile)) throw CalcError(*no);
  Write(Report{.about = StackFacts(stack),
               .columns = DepthColumns(),
               .rows = DepthRows(*ValueOf(profile), stack)},
        output);
}

void ThicknessFor(const CalcMaterials& materials, const std::string& material,
                  const std::string& energyIn, const std::string& energyOut,
                  const CalcOutput& output) {
  const LoadedMaterial named = materials.Load(material);
  const double in = EnergyOf(energyIn), out = EnergyOf(energyOut);
  Checked<ReportRow> row = ThicknessRow(named.name, named.table, in, out);
  if (const Refusal* no = Refused(row))
    throw CalcError(ExitBadInput, Quote(energyIn) + " to " + Quote(energyOut) + ": " + no->message);
  Write(Report{.about = MaterialFacts(named.name, named.table),
               .columns = ThicknessColumns(),
               .rows = {std::get<ReportRow>(std::move(row))}},
        output);
}

void ListNuclides(const CalcOutput& output) {
  Write(Report{.about = {}, .columns = NuclideColumns(), .rows = NuclideRows()}, output);
}

}  // namespace alphastop::calc
