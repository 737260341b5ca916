#pragma once
// The published physics data of data/physics, embedded when building: the text of each file,
// header included.

#include <string_view>

namespace alphastop::tables {

// data/physics/helium_icru49_fits.tsv: ICRU Report 49's low-energy fits of helium stopping.
std::string_view HeliumFitsText();

// data/physics/helium_icru49_shell_corrections.tsv: ICRU Report 49's shell corrections,
// recovered from its proton stopping powers.
std::string_view ShellCorrectionsText();

}  // namespace alphastop::tables
