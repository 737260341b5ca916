#pragma once
// The commands of alphastop-calc. Each writes its report to standard output and nothing
// else; a bad text or an unreadable table is a CalcError, thrown before anything is written.

#include <string>
#include <vector>

#include "app/calc/CalcMaterials.h"
#include "core/report/Report.h"

namespace alphastop::calc {

struct CalcOutput {
  ReportFormat format = ReportFormat::Text;
};

// The materials of the data folder: file, title, density.
void ListMaterials(const CalcMaterials& materials, const CalcOutput& output);
// Stopping powers and ranges of material at each energy text ("5.5", "800keV").
void StoppingAt(const CalcMaterials& materials, const std::string& material,
                const std::vector<std::string>& energies, const CalcOutput& output);
// The energy of material whose CSDA range is each range text ("30um", "2 mg/cm2").
void EnergyAt(const CalcMaterials& materials, const std::string& material,
              const std::vector<std::string>& ranges, const CalcOutput& output);
// The whole table of material: its 122 rows as the file gives them.
void WholeTable(const CalcMaterials& materials, const std::string& material,
                const CalcOutput& output);
// The energy through each layer ("Mylar:6um", "Air_dry_near_sea_level:2cm") in turn.
void ThroughLayers(const CalcMaterials& materials, const std::string& energy,
                   const std::vector<std::string>& layers, const CalcOutput& output);

}  // namespace alphastop::calc
