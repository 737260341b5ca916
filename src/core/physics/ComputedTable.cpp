#include "core/physics/ComputedTable.h"

#include "core/data/NumberField.h"
#include "core/physics/StoppingTable.h"
#include "core/physics/TableWriter.h"
#include "core/text/NumberFormat.h"

namespace alphastop::tables {
namespace {

static_assert(GridSize == RowCount, "every row of a table holds one energy of the grid");

// The value as the file gives it back: FormatScientific, then read.
double AsWritten(double value) {
  return std::get<double>(ParseNumberField(FormatScientific(value)));
}

}  // namespace

MaterialTable TableOfMaterial(const Material& material) {
  const StoppingTable computed = ComputeStoppingTable(material);
  MaterialTable table;
  const std::vector<std::string> header = FormatTableHeader(material);
  table.MaterialTitle = header[1];
  static_cast<MaterialFacts&>(table) = FactsOfHeader(header);
  for (std::size_t r = 0; r < computed.size(); ++r) {
    const StoppingRow& row = computed[r];
    TableRow& out = table.rows[r];
    out.energy = AsWritten(row.energy);
    out.stopPower = {AsWritten(row.electronic), AsWritten(row.nuclear), AsWritten(row.total)};
    out.range = {AsWritten(row.csdaRange), AsWritten(row.projectedRange)};
    out.text = FormatStoppingRow(row).substr(0, RowTextLength);
  }
  return table;
}

}  // namespace alphastop::tables
