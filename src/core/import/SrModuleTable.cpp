#include "core/import/SrModuleTable.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <optional>
#include <sstream>
#include <vector>

#include "core/data/FileRefusal.h"
#include "core/data/NumberField.h"
#include "core/data/TextEncoding.h"
#include "core/data/TextStream.h"
#include "core/text/CharacterClass.h"

namespace alphastop {
namespace {

constexpr int MaxRows = 100000;

// How a stopping unit of SRIM's becomes MeV cm2/g: times factor, divided by the density
// where it is per length, times the atoms per gram where it is per atom.
struct StoppingUnit {
  std::string_view name;  // as the file writes it, blanks removed, in lower case
  double factor;
  enum Per { Mass, Length, Atoms } per;
};

constexpr StoppingUnit StoppingUnits[] = {
    {"ev/angstrom", 100, StoppingUnit::Length},  // 1e-6 MeV / 1e-8 cm
    {"ev/a", 100, StoppingUnit::Length},
    {"kev/micron", 10, StoppingUnit::Length},  // 1e-3 MeV / 1e-4 cm
    {"kev/um", 10, StoppingUnit::Length},
    {"mev/mm", 10, StoppingUnit::Length},                // 1 MeV / 0.1 cm
    {"kev/(ug/cm2)", 1000, StoppingUnit::Mass},          // 1e-3 MeV / 1e-6 g
    {"mev/(mg/cm2)", 1000, StoppingUnit::Mass},          // 1 MeV / 1e-3 g
    {"kev/(mg/cm2)", 1, StoppingUnit::Mass},             // 1e-3 MeV / 1e-3 g
    {"ev/(1e15atoms/cm2)", 1e-21, StoppingUnit::Atoms},  // 1e-6 MeV * 1e-15 cm2 per atom
};

struct UnitFactor {
  std::string_view name;
  double factor;
};
constexpr UnitFactor EnergyUnits[] = {{"eV", 1e-6}, {"keV", 1e-3}, {"MeV", 1}, {"GeV", 1e3}};
constexpr UnitFactor LengthUnits[] = {{"A", 1e-8}, {"nm", 1e-7}, {"um", 1e-4},
                                      {"mm", 0.1}, {"m", 100},   {"km", 1e5}};  // in cm

std::optional<double> FactorOf(std::span<const UnitFactor> units, std::string_view name) {
  for (const UnitFactor& unit : units)
    if (unit.name == name) return unit.factor;
  return std::nullopt;
}

std::string Normalised(std::string_view text) {
  std::string out;
  for (char c : text)
    if (!IsSpace(c)) out += IsUpper(c) ? static_cast<char>(c - 'A' + 'a') : c;
  return out;
}

std::vector<std::string> Words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

// A number as SRIM writes it, with a decimal point or, under some locales, a comma.
std::optional<double> SrNumber(std::string text) {
  std::replace(text.begin(), text.end(), ',', '.');
  const Checked<double> parsed = ParseNumberField(text);
  if (Refused(parsed)) return std::nullopt;
  return std::get<double>(parsed);
}

// What follows the first '=' of a line, or nullopt where the line does not begin with key.
std::optional<std::string> ValueAfter(const std::string& line, std::string_view key) {
  const std::string_view text = TrimSpace(line);
  if (!text.starts_with(key)) return std::nullopt;
  const std::size_t equals = text.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return std::string(text.substr(equals + 1));
}

class SrReader {
 public:
  explicit SrReader(const std::string& path) : path_(path), stream_(path) {}

  Checked<TableCurves> Read() {
    if (auto no = OpenRefusal(path_, stream_)) return *no;
    std::string bytes;
    for (int at = stream_.Line(); stream_.ReadLine(bytes); at = stream_.Line()) {
      if (auto no = NotTextRefusal(path_, at, bytes)) return *no;
      const std::string line = DecodeLine(bytes);
      if (auto no = ReadLine(line, at)) return *no;
      if (ended_) break;
      lastLine_ = at;
    }
    if (curves_.energies.size() < 2)
      return FileRefusal(path_, lastLine_,
                         unit_ ? "the file ends before two rows of the table"
                               : "no \"Stopping Units =\" line: this is no output of SRIM's SR "
                                 "module");
    curves_.title = std::filesystem::path(path_).stem().string();
    for (Quantity q : {Quantity::Electronic, Quantity::Nuclear}) {
      auto& values = curves_.Of(q);
      for (double& v : values) v *= stoppingFactor_;
    }
    const auto& e = curves_.Of(Quantity::Electronic);
    const auto& n = curves_.Of(Quantity::Nuclear);
    auto& total = curves_.Of(Quantity::Total);
    for (std::size_t i = 0; i < e.size(); ++i) total.push_back(e[i] + n[i]);
    return std::move(curves_);
  }

 private:
  std::optional<Refusal> Fail(int line, std::string problem) const {
    return FileRefusal(path_, line, std::move(problem));
  }

  std::optional<Refusal> ReadLine(const std::string& line, int at) {
    if (auto ion = ValueAfter(line, "Ion")) return ReadIon(*ion, at);
    if (auto density = ValueAfter(line, "Density")) return ReadDensity(*density, at);
    if (auto unit = ValueAfter(line, "Stopping Units")) return ReadUnit(*unit, at);
    const std::vector<std::string> words = Words(line);
    const bool isRow = words.size() >= 2 && SrNumber(words[0]) && FactorOf(EnergyUnits, words[1]);
    if (isRow) return ReadRow(words, at);
    // The line of dashes under the rows ends the table; before the rows come headings.
    if (!curves_.energies.empty()) {
      if (TrimSpace(line).starts_with('-')) {
        ended_ = true;
        return std::nullopt;
      }
      return Fail(at,
                  "this line is no row of the table (energy with its unit, two stopping "
                  "powers, the projected range with its unit)");
    }
    return std::nullopt;
  }

  std::optional<Refusal> ReadIon(const std::string& text, int at) {
    const std::size_t open = text.find('['), close = text.find(']');
    if (open == std::string::npos || close == std::string::npos || close < open) return {};
    const std::string z =
        std::string(TrimSpace(std::string_view(text).substr(open + 1, close - open - 1)));
    if (z != "2")
      return Fail(at, "the ion is " + std::string(TrimSpace(text.substr(0, text.find(',')))) +
                          ", not helium: these are not the stopping powers of alpha particles");
    return std::nullopt;
  }

  std::optional<Refusal> ReadDensity(const std::string& text, int at) {
    const std::vector<std::string> words = Words(text);
    density_ = words.size() >= 2 && words[1] == "g/cm3" ? SrNumber(words[0]) : std::nullopt;
    if (!density_ || !(*density_ > 0))
      return Fail(at, "the density does not read as \"Density = 2.3212E+00 g/cm3\"");
    curves_.density = density_;
    if (words.size() >= 5 && words[2] == "=" && words[4] == "atoms/cm3")
      atoms_ = SrNumber(words[3]);
    return std::nullopt;
  }

  std::optional<Refusal> ReadUnit(const std::string& text, int at) {
    const std::string name = Normalised(text);
    const auto unit = std::find_if(std::begin(StoppingUnits), std::end(StoppingUnits),
                                   [&](const StoppingUnit& u) { return u.name == name; });
    if (unit == std::end(StoppingUnits))
      return Fail(at, "the stopping unit \"" + std::string(TrimSpace(text)) +
                          "\" cannot be taken to MeV cm2/g; write the table in MeV/(mg/cm2)");
    if (!density_) return Fail(at, "no density is given before the stopping unit");
    if (unit->per == StoppingUnit::Atoms && !(atoms_ && *atoms_ > 0))
      return Fail(at, "the stopping unit is per atom, but the density line gives no atoms/cm3");
    stoppingFactor_ = unit->factor;
    if (unit->per == StoppingUnit::Length) stoppingFactor_ /= *density_;
    if (unit->per == StoppingUnit::Atoms) stoppingFactor_ *= *atoms_ / *density_;
    unit_ = true;
    return std::nullopt;
  }

  std::optional<Refusal> ReadRow(const std::vector<std::string>& words, int at) {
    if (!unit_) return Fail(at, "a row comes before the \"Stopping Units =\" line");
    if (curves_.energies.size() >= static_cast<std::size_t>(MaxRows))
      return Fail(at, "the table holds more than " + std::to_string(MaxRows) + " rows");
    double electronic = 0, nuclear = 0, range = 0, rangeUnit = 0;
    const auto take = [](const std::optional<double>& read, double& value) {
      if (read) value = *read;
      return read.has_value();
    };
    if (words.size() < 6 || !take(SrNumber(words[2]), electronic) ||
        !take(SrNumber(words[3]), nuclear) || !take(SrNumber(words[4]), range) ||
        !take(FactorOf(LengthUnits, words[5]), rangeUnit))
      return Fail(at,
                  "the row does not read as an energy with its unit, two stopping powers "
                  "and the projected range with its unit");
    const double energy = *SrNumber(words[0]) * *FactorOf(EnergyUnits, words[1]);
    const double projected = range * rangeUnit * *density_;
    const auto good = [](double v) { return std::isfinite(v) && v > 0; };
    if (!(good(energy) && good(electronic) && good(nuclear) && good(projected) &&
          good(electronic * stoppingFactor_) && good(nuclear * stoppingFactor_) &&
          good((electronic + nuclear) * stoppingFactor_)))
      return Fail(at, "every energy, stopping power and range must be a finite number above zero");
    if (!curves_.energies.empty() && !(energy > curves_.energies.back()))
      return Fail(at, "the energy " + words[0] + " " + words[1] +
                          " is not above that of the row before; energies must ascend");
    curves_.energies.push_back(energy);
    curves_.Of(Quantity::Electronic).push_back(electronic);
    curves_.Of(Quantity::Nuclear).push_back(nuclear);
    curves_.Of(Quantity::ProjectedRange).push_back(projected);
    return std::nullopt;
  }

  std::string path_;
  TextStream stream_;
  std::optional<double> density_;  // g/cm3
  std::optional<double> atoms_;    // atoms/cm3
  double stoppingFactor_ = 1;
  bool unit_ = false;
  bool ended_ = false;
  int lastLine_ = 0;
  TableCurves curves_;
};

}  // namespace

bool LooksLikeSrModuleOutput(std::string_view head) {
  return head.find("SRIM") != std::string_view::npos &&
         head.find("Stopping Units") != std::string_view::npos;
}

Checked<TableCurves> ReadSrModuleTable(const std::string& path) { return SrReader(path).Read(); }

}  // namespace alphastop
