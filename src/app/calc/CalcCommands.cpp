#include "app/calc/CalcCommands.h"

#include <iostream>
#include <optional>

#include "app/calc/CalcError.h"
#include "core/data/MaterialFile.h"
#include "core/range/Stack.h"
#include "core/report/RangeReports.h"
#include "core/report/TableReport.h"
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

double EnergyOf(const std::string& text) { return Accept(ParseEnergy(text), text, true); }

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
  for (const std::string& text : energies) {
    const double energy = EnergyOf(text);
    ReportRow row = Accept(StoppingRow(named.table, energy), text, false);
    row.push_back(NumberOrEmpty(ElectronicUncertaintyPercent(named.table, energy)));
    row.push_back(NumberOrEmpty(CsdaRangeUncertaintyPercent(named.table, energy)));
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

void ThroughLayers(const CalcMaterials& materials, const std::string& energyText,
                   const std::vector<std::string>& layerTexts, const CalcOutput& output) {
  StackInput input{.energy = energyText, .layers = {}};
  for (const std::string& text : layerTexts) {
    const std::size_t colon = text.rfind(':');
    if (colon == std::string::npos || colon + 1 == text.size())
      throw CalcError(ExitBadInput,
                      Quote(text) + ": a layer is MATERIAL:THICKNESS, e.g. Silicon:30um");
    input.layers.push_back({text.substr(0, colon), text.substr(colon + 1)});
  }
  MaterialCache cache = materials.Cache();
  const StackResult stack = EvaluateStack(input, cache);
  if (stack.energyRefusal) throw CalcError(*stack.energyRefusal);
  if (!stack.energy) EnergyOf(energyText);  // a blank energy: refused as ParseEnergy refuses it
  for (std::size_t k = 0; k < stack.layers.size(); ++k)
    if (const auto& no = stack.layers[k].refusal) {
      // An unknown or unreadable material says so itself; other faults name the layer given.
      const bool material = stack.layers[k].material.empty();
      throw CalcError(Refusal{material ? no->message : Quote(layerTexts[k]) + ": " + no->message,
                              no->kind, no->line});
    }
  Write(Report{.about = {{"energy_MeV", *stack.energy}},
               .columns = LayerColumns(),
               .rows = LayerRows(stack)},
        output);
}

}  // namespace alphastop::calc
