#include "app/calc/CalcGraph.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "app/calc/CalcError.h"
#include "core/graph/GraphFile.h"
#include "core/paths/DataFolder.h"

namespace alphastop::calc {
namespace {

constexpr const char* GraphProgram = "alphastop-graph";

void CheckGraphName(const std::string& out) {
  if (GraphFormatOf(out)) return;
  const std::string extension = std::filesystem::path(out).extension().string();
  throw CalcError(ExitBadInput, Quote(out) + ": " +
                                    (extension.empty() ? "no extension"
                                                       : "unknown extension " + Quote(extension)) +
                                    " (use .png or .svg)");
}

// The graph program writes into the folder as it finds it; a folder that is not there is a
// mistyped name, told before anything runs.
void CheckGraphFolder(const std::string& out) {
  const std::filesystem::path folder = std::filesystem::path(out).parent_path();
  std::error_code ec;
  if (folder.empty() || std::filesystem::is_directory(folder, ec)) return;
  throw CalcError(ExitBadInput, Quote(out) + ": there is no folder " + Quote(folder.string()));
}

}  // namespace

void WriteGraph(const CalcMaterials& materials, const std::string& material, const std::string& out,
                int scaleFactor, const char* argv0) {
  const std::string scale = std::to_string(scaleFactor);
  CheckGraphName(out);
  CheckGraphFolder(out);
  const LoadedMaterial named = materials.Load(material);
  const std::filesystem::path self = ProcessDataFolderInputs({}, argv0).executable;
  const std::string program = (self.parent_path() / GraphProgram).string();
  // A material written out in the command has no file: the drawing program computes it too.
  const std::string& table = named.path.empty() ? material : named.path;
  // The drawing program names itself in its messages by its argv[0]: the calculator's name,
  // which is what the user ran.
  const char* const arguments[] = {CalculatorName, table.c_str(), out.c_str(), scale.c_str(),
                                   nullptr};
  execv(program.c_str(), const_cast<char* const*>(arguments));
  throw CalcError(ExitUnreadable, "cannot run " + Quote(program) + ": " + std::strerror(errno));
}

}  // namespace alphastop::calc
