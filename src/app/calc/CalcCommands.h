#pragma once
// The commands of alphastop-calc. Each writes its report to standard output and nothing
// else; a bad text or an unreadable table is a CalcError, thrown before anything is written.

#include <optional>
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
// A stack as the command line gives it: a stack file (--stack; empty where none), an angle
// (--angle), and the words after them, ENERGY then each LAYER (MATERIAL:THICKNESS[,options],
// core/range/LayerText.h). With a stack file, ENERGY replaces the file's energy and may be
// left out (an energy never holds ':', a layer always does), and the LAYERs follow the
// file's layers; --angle replaces the file's angle.
struct StackWords {
  std::string file;
  std::optional<std::string> angle;
  std::vector<std::string> words;
};

// The energy through each layer in turn, with the spread it gains.
void ThroughLayers(const CalcMaterials& materials, const StackWords& stack,
                   const CalcOutput& output);
// The energy and stopping power along the track through the stack.
void DepthThrough(const CalcMaterials& materials, const StackWords& stack,
                  const CalcOutput& output);
// The thickness of material that takes a particle from energyIn down to energyOut.
void ThicknessFor(const CalcMaterials& materials, const std::string& material,
                  const std::string& energyIn, const std::string& energyOut,
                  const CalcOutput& output);
// The alpha emitters that an energy may name, each line of each.
void ListNuclides(const CalcOutput& output);

}  // namespace alphastop::calc
