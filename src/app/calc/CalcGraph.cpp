#include "app/calc/CalcGraph.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "app/calc/CalcError.h"
#include "core/compare/Comparison.h"
#include "core/graph/GraphFile.h"
#include "core/paths/DataFolder.h"
#include "core/paths/WholeFile.h"
#include "core/report/Report.h"

namespace alphastop::calc {
namespace {

constexpr const char* GraphProgram = "alphastop-graph";

std::string ExtensionOf(const std::string& out) {
  std::string extension = std::filesystem::path(out).extension().string();
  for (char& c : extension)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return extension;
}

void CheckName(const std::string& out, bool csvToo) {
  const std::string extension = ExtensionOf(out);
  if (GraphFormatOf(out) || (csvToo && extension == ".csv")) return;
  throw CalcError(
      ExitBadInput,
      Quote(out) + ": " +
          (extension.empty()
               ? "no extension"
               : "unknown extension " + Quote(std::filesystem::path(out).extension().string())) +
          (csvToo ? " (use .png, .svg or .csv)" : " (use .png or .svg)"));
}

// The file is written into the folder as it is found; a folder that is not there is a
// mistyped name, told before anything runs.
void CheckFolder(const std::string& out) {
  const std::filesystem::path folder = std::filesystem::path(out).parent_path();
  std::error_code ec;
  if (folder.empty() || std::filesystem::is_directory(folder, ec)) return;
  throw CalcError(ExitBadInput, Quote(out) + ": there is no folder " + Quote(folder.string()));
}

std::vector<std::string> PictureArguments(const PictureOptions& picture) {
  return {"--style", picture.style, "--scale", std::to_string(picture.scale)};
}

// The drawing program names itself in its messages by its argv[0]: the calculator's name,
// which is what the user ran.
[[noreturn]] void RunGraphProgram(const std::vector<std::string>& arguments, const char* argv0) {
  const std::filesystem::path self = ProcessDataFolderInputs({}, argv0).executable;
  const std::string program = (self.parent_path() / GraphProgram).string();
  std::vector<const char*> argv{CalculatorName};
  for (const std::string& argument : arguments) argv.push_back(argument.c_str());
  argv.push_back(nullptr);
  execv(program.c_str(), const_cast<char* const*>(argv.data()));
  throw CalcError(ExitUnreadable, "cannot run " + Quote(program) + ": " + std::strerror(errno));
}

}  // namespace

void WriteGraph(const CalcMaterials& materials, const std::string& material, const std::string& out,
                const PictureOptions& picture, bool ranges, const char* argv0) {
  CheckName(out, false);
  CheckFolder(out);
  const LoadedMaterial named = materials.Load(material);
  std::vector<std::string> arguments = PictureArguments(picture);
  if (ranges) arguments.push_back("--ranges");
  // A material written out in the command has no file: the drawing program computes it too.
  arguments.push_back(named.path.empty() ? material : named.path);
  arguments.push_back(out);
  RunGraphProgram(arguments, argv0);
}

void WriteComparison(const CalcMaterials& materials, const std::vector<std::string>& words,
                     const CompareOptions& options, const char* argv0) {
  if (words.size() < 2)
    throw CalcError(ExitBadInput,
                    "name the materials, then the file to write (.png, .svg or .csv)");
  const std::string& out = words.back();
  CheckName(out, true);
  CheckFolder(out);
  std::vector<TableCurves> sources;
  for (std::size_t i = 0; i + 1 < words.size(); ++i) sources.push_back(materials.Curves(words[i]));
  const Quantity quantity = QuantityNamed(options.quantity).value_or(Quantity::Total);
  Checked<Comparison> compared = Compare(sources, quantity, false);
  if (const Refusal* no = Refused(compared)) throw CalcError(*no);
  const Comparison& comparison = std::get<Comparison>(compared);
  if (options.base < 1 || options.base > static_cast<int>(comparison.curves.size()))
    throw CalcError(ExitBadInput, "--base " + std::to_string(options.base) +
                                      ": the base is a material's place, 1 to " +
                                      std::to_string(comparison.curves.size()));
  if (ExtensionOf(out) == ".csv") {
    const std::string csv = WriteReport(ComparisonReport(comparison), ReportFormat::Csv);
    if (auto no = WriteWholeTextFile(out, csv)) throw CalcError(*no);
    return;
  }
  std::vector<std::string> arguments = PictureArguments(options.picture);
  arguments.insert(arguments.end(), {"--compare", "--quantity", options.quantity, "--base",
                                     std::to_string(options.base)});
  for (std::size_t i = 0; i < sources.size(); ++i)
    arguments.push_back(sources[i].path.empty() ? words[i] : sources[i].path);
  arguments.push_back(out);
  RunGraphProgram(arguments, argv0);
}

}  // namespace alphastop::calc
