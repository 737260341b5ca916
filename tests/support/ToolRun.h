#pragma once
// Runs one of the command-line tools as a user's shell would and keeps what it printed.

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace alphastop::testing {

struct ToolRun {
  int status = -1;  // the exit status, or -1 when the tool did not exit by itself
  std::string out;  // standard output
  std::string err;  // standard error
};

// Runs `program arguments` (arguments as the shell reads them) in the folder `workingFolder`,
// which also keeps the two outputs while the tool runs. `environment` is put before the
// command as the shell's assignments, e.g. "ALPHASTOP_DATA=/x".
inline ToolRun RunTool(const std::string& program, const std::string& arguments,
                       const std::filesystem::path& workingFolder,
                       const std::string& environment = "") {
  const auto outFile = workingFolder / ".tool-out", errFile = workingFolder / ".tool-err";
  const std::string command = "cd \"" + workingFolder.string() + "\" && " + environment + " \"" +
                              program + "\" " + arguments + " >\"" + outFile.string() + "\" 2>\"" +
                              errFile.string() + "\"";
  const int status = std::system(command.c_str());
  const auto slurp = [](const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  ToolRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, slurp(outFile), slurp(errFile)};
  std::filesystem::remove(outFile);
  std::filesystem::remove(errFile);
  return run;
}

}  // namespace alphastop::testing
