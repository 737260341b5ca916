#include "core/materials/Elements.h"

#include <array>
#include <cassert>

namespace alphastop::tables {
namespace {

struct ElementData {
  std::string_view symbol;
  double atomicWeight;  // g/mol
};

constexpr std::array<ElementData, MaxAtomicNumber> Table{{
    {"H", 1.00794},    {"He", 4.002602},  {"Li", 6.941},     {"Be", 9.012182},  {"B", 10.811},
    {"C", 12.0107},    {"N", 14.0067},    {"O", 15.9994},    {"F", 18.9984032}, {"Ne", 20.1797},
    {"Na", 22.98977},  {"Mg", 24.305},    {"Al", 26.981538}, {"Si", 28.0855},   {"P", 30.973761},
    {"S", 32.065},     {"Cl", 35.453},    {"Ar", 39.948},    {"K", 39.0983},    {"Ca", 40.078},
    {"Sc", 44.95591},  {"Ti", 47.867},    {"V", 50.9415},    {"Cr", 51.9961},   {"Mn", 54.938049},
    {"Fe", 55.845},    {"Co", 58.9332},   {"Ni", 58.6934},   {"Cu", 63.546},    {"Zn", 65.409},
    {"Ga", 69.723},    {"Ge", 72.64},     {"As", 74.9216},   {"Se", 78.96},     {"Br", 79.904},
    {"Kr", 83.798},    {"Rb", 85.4678},   {"Sr", 87.62},     {"Y", 88.90585},   {"Zr", 91.224},
    {"Nb", 92.90638},  {"Mo", 95.94},     {"Tc", 97.9072},   {"Ru", 101.07},    {"Rh", 102.9055},
    {"Pd", 106.42},    {"Ag", 107.8682},  {"Cd", 112.411},   {"In", 114.818},   {"Sn", 118.71},
    {"Sb", 121.76},    {"Te", 127.6},     {"I", 126.90447},  {"Xe", 131.293},   {"Cs", 132.90545},
    {"Ba", 137.327},   {"La", 138.9055},  {"Ce", 140.116},   {"Pr", 140.90765}, {"Nd", 144.24},
    {"Pm", 144.9127},  {"Sm", 150.36},    {"Eu", 151.964},   {"Gd", 157.25},    {"Tb", 158.92534},
    {"Dy", 162.5},     {"Ho", 164.93032}, {"Er", 167.259},   {"Tm", 168.93421}, {"Yb", 173.04},
    {"Lu", 174.967},   {"Hf", 178.49},    {"Ta", 180.9479},  {"W", 183.84},     {"Re", 186.207},
    {"Os", 190.23},    {"Ir", 192.217},   {"Pt", 195.078},   {"Au", 196.96655}, {"Hg", 200.59},
    {"Tl", 204.3833},  {"Pb", 207.2},     {"Bi", 208.98038}, {"Po", 208.9824},  {"At", 209.9871},
    {"Rn", 222.0176},  {"Fr", 223.0197},  {"Ra", 226.0254},  {"Ac", 227.0277},  {"Th", 232.0381},
    {"Pa", 231.03588}, {"U", 238.02891},
}};

const ElementData& Element(int z) {
  assert(z >= 1 && z <= MaxAtomicNumber);
  return Table[static_cast<std::size_t>(z - 1)];
}

}  // namespace

double AtomicWeight(int z) { return Element(z).atomicWeight; }

std::string_view ElementSymbol(int z) { return Element(z).symbol; }

std::optional<int> AtomicNumberOfSymbol(std::string_view symbol) {
  for (std::size_t i = 0; i < Table.size(); ++i) {
    if (Table[i].symbol == symbol) return static_cast<int>(i) + 1;
  }
  return std::nullopt;
}

}  // namespace alphastop::tables
