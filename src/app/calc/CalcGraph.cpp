#include "app/calc/CalcGraph.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

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

int ScaleOf(const std::string& text) {
  const auto scale = ParseGraphScale(text);
  if (!scale)
    throw CalcError(ExitBadInput, Quote(text) + ": the scale is a whole number from 1 to " +
                                      std::to_string(MaxGraphScale));
  return *scale;
}

}  // namespace

void WriteGraph(const CalcMaterials& materials, const std::string& material, const std::string& out,
                const std::string& scaleText, const char* argv0) {
  const std::string scale = std::to_string(ScaleOf(scaleText));
  CheckGraphName(out);
  const NamedTable named = materials.Load(material);
  const std::filesystem::path self = ProcessDataFolderInputs({}, argv0).executable;
  const std::string program = (self.parent_path() / GraphProgram).string();
  // A material written out in the command has no file: the drawing program computes it too.
  const std::string& table = named.path.empty() ? material : named.path;
  const char* const arguments[] = {program.c_str(), table.c_str(), out.c_str(), scale.c_str(),
                                   nullptr};
  execv(program.c_str(), const_cast<char* const*>(arguments));
  throw CalcError(ExitUnreadable, "cannot run " + Quote(program) + ": " + std::strerror(errno));
}

}  // namespace alphastop::calc
