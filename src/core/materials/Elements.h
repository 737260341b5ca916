#pragma once
// Chemical elements hydrogen (Z = 1) to uranium (Z = 92): symbols and standard atomic weights.

#include <optional>
#include <string_view>

namespace alphastop::tables {

inline constexpr int MaxAtomicNumber = 92;

// Standard atomic weight in g/mol (IUPAC; mass number of the longest-lived isotope for
// elements without a stable one). Precondition: 1 <= z <= MaxAtomicNumber.
double AtomicWeight(int z);

// The element symbol, e.g. "Au" for 79. Precondition: 1 <= z <= MaxAtomicNumber.
std::string_view ElementSymbol(int z);

// The atomic number of a symbol (case-sensitive, "Au"), or nullopt when no element has it.
std::optional<int> AtomicNumberOfSymbol(std::string_view symbol);

}  // namespace alphastop::tables
