// Whole program runs on the offscreen platform: start-up to the first frame of the main
// window against a bare window of the same size, started the same way in the same run
// (the two alternate, so drift of the machine falls on both); the peak memory of the
// program after a load against that of the bare window; and, where the table generator
// is given, the time it takes to write all shipped tables; where the calculator is given,
// its queries from spawn to exit, and a comparison of eight materials written as PNG, SVG
// and CSV.
//
// bench_process_actions [--runs N] [--tables-tool PATH] [--calc-tool PATH]

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "BenchTables.h"
#include "RowTable.h"
#include "support/TableFiles.h"

extern char** environ;

using namespace alphastop::bench;

namespace {

struct ProcessRun {
  long long started = 0;  // monotonic ns, just before the spawn
  long long ended = 0;    // monotonic ns, once the process has been reaped
  double peakBytes = 0;   // the process's maximum resident set
  std::string output;
  bool ok = false;
};

long long Now() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

ProcessRun Run(const std::vector<std::string>& command) {
  ProcessRun run;
  int out[2];
  if (pipe(out) != 0) return run;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  std::vector<char*> argv;
  for (const std::string& word : command) argv.push_back(const_cast<char*>(word.c_str()));
  argv.push_back(nullptr);

  pid_t pid = 0;
  run.started = Now();
  const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  char buffer[4096];
  for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
    run.output.append(buffer, static_cast<std::size_t>(n));
  close(out[0]);
  if (spawned != 0) return run;
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  run.ended = Now();
  run.peakBytes = static_cast<double>(usage.ru_maxrss) * 1024.0;
  run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  if (!run.ok) std::fprintf(stderr, "%s failed:\n%s\n", command[0].c_str(), run.output.c_str());
  return run;
}

// The stamp a probe printed, as nanoseconds since its spawn; negative where it is missing.
double StampAfterStart(const ProcessRun& run, const std::string& what) {
  std::istringstream lines(run.output);
  std::string word;
  long long stamp = 0;
  while (lines >> word >> stamp)
    if (word == what) return static_cast<double>(stamp - run.started);
  return -1;
}

struct Options {
  int runs = 31;
  std::string tablesTool;
  std::string calcTool;
};

Options ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--runs") == 0)
      options.runs = std::max(1, std::atoi(argv[i + 1]));
    else if (std::strcmp(argv[i], "--tables-tool") == 0)
      options.tablesTool = argv[i + 1];
    else if (std::strcmp(argv[i], "--calc-tool") == 0)
      options.calcTool = argv[i + 1];
  }
  return options;
}

void TimeTableGenerator(const std::string& tool, int runs) {
  alphastop::testing::TempFolder output;
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const ProcessRun run = Run({tool, "--all", output.Path().string()});
    if (!run.ok) return;
    times.push_back(static_cast<double>(run.ended - run.started));
  }
  PrintRow({"generating all shipped tables (alphastop-tables --all)",
            Quantity::Nanoseconds,
            QuartilesOf(times),
            {}});
}

// A query of alphastop-calc is a whole process: start, find the tables, read one, answer.
void TimeCalculatorQueries(const std::string& tool, const BenchTables& tables, int runs) {
  const std::string material = std::filesystem::path(tables.element).stem().string();
  const std::vector<std::pair<std::string, std::vector<std::string>>> queries = {
      {"stopping powers and ranges at three energies (alphastop-calc stopping)",
       {"stopping", material, "5.5", "800keV", "1GeV"}},
      {"the energy at a range (alphastop-calc energy)", {"energy", material, "10mg/cm2"}},
      {"three layers (alphastop-calc layers)",
       {"layers", "5.5", material + ":1mg/cm2", material + ":2mg/cm2", material + ":1g/cm2"}},
      {"the materials with titles and densities (alphastop-calc materials)", {"materials"}}};
  for (const auto& [what, arguments] : queries) {
    std::vector<std::string> command{tool, "--data", tables.folder.string(), "--format", "csv"};
    command.insert(command.end(), arguments.begin(), arguments.end());
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
      const ProcessRun run = Run(command);
      if (!run.ok) return PrintNote("alphastop-calc failed: " + what);
      times.push_back(static_cast<double>(run.ended - run.started));
    }
    PrintRow({"command-line query, " + what, Quantity::Nanoseconds, QuartilesOf(times),
              Target{10e6, "≤ 10 ms"}});
  }
}

// alphastop-calc compare of the first eight tables of as/, from spawn until the file is
// written: for a picture, alphastop-graph takes over the process and draws.
void TimeComparisons(const std::string& tool, const BenchTables& tables, int runs) {
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(tables.folder / "as"))
    files.push_back(entry.path().stem().string());
  std::sort(files.begin(), files.end());
  files.resize(std::min<std::size_t>(files.size(), 8));
  alphastop::testing::TempFolder out;
  for (const char* extension : {"png", "svg", "csv"}) {
    std::vector<std::string> command{tool, "--data", tables.folder.string(), "compare"};
    command.insert(command.end(), files.begin(), files.end());
    command.push_back((out.Path() / (std::string("eight.") + extension)).string());
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
      const ProcessRun run = Run(command);
      if (!run.ok) return PrintNote(std::string("alphastop-calc compare failed: ") + extension);
      times.push_back(static_cast<double>(run.ended - run.started));
    }
    PrintRow({std::string("eight materials compared, written as ") + extension +
                  " (alphastop-calc compare)",
              Quantity::Nanoseconds, QuartilesOf(times), Target{100e6, "≤ 100 ms"}});
  }
}

}  // namespace

int main(int argc, char** argv) {
  const Options options = ParseOptions(argc, argv);
  const std::filesystem::path here = std::filesystem::canonical("/proc/self/exe").parent_path();
  const std::string form1Probe = (here / "bench_probe_form1").string();
  const std::string bareProbe = (here / "bench_probe_bare").string();

  const BenchTables tables = FindBenchTables();
  PrintNote(tables.Origin());
  std::filesystem::current_path(tables.folder);
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);

  std::vector<double> form1Paint, barePaint, paintRatio, form1Start, bareStart, ratio, firstLoad,
      form1Peak, barePeak, peakDifference;
  for (int i = 0; i < options.runs; ++i) {
    ProcessRun form1, bare;
    if (i % 2 == 0) {
      bare = Run({bareProbe});
      form1 = Run({form1Probe, tables.element});
    } else {
      form1 = Run({form1Probe, tables.element});
      bare = Run({bareProbe});
    }
    const double form1Frame = StampAfterStart(form1, "frame"),
                 bareFrame = StampAfterStart(bare, "frame");
    const double loaded = StampAfterStart(form1, "loaded");
    const double form1FirstPaint = StampAfterStart(form1, "frame-paint"),
                 bareFirstPaint = StampAfterStart(bare, "frame-paint");
    if (!form1.ok || !bare.ok || form1Frame < 0 || bareFrame < 0 || loaded < 0 ||
        form1FirstPaint < 0 || bareFirstPaint < 0)
      return EXIT_FAILURE;
    form1Paint.push_back(form1FirstPaint);
    barePaint.push_back(bareFirstPaint);
    paintRatio.push_back(form1FirstPaint / bareFirstPaint);
    form1Start.push_back(form1Frame);
    bareStart.push_back(bareFrame);
    ratio.push_back(form1Frame / bareFrame);
    firstLoad.push_back(loaded - form1Frame);
    form1Peak.push_back(form1.peakBytes);
    barePeak.push_back(bare.peakBytes);
    peakDifference.push_back(form1.peakBytes - bare.peakBytes);
  }

  PrintRow({"start-up to the first paint event: Form1",
            Quantity::Nanoseconds,
            QuartilesOf(form1Paint),
            {}});
  PrintRow({"start-up to the first paint event: bare QWidget 900×753",
            Quantity::Nanoseconds,
            QuartilesOf(barePaint),
            {}});
  PrintRow({"start-up to the first paint event, Form1 / bare QWidget (paired runs)",
            Quantity::Ratio, QuartilesOf(paintRatio), Target{1.3, "≤ 1.3×"}});
  PrintRow({"start-up to the first frame complete (all controls painted): Form1",
            Quantity::Nanoseconds,
            QuartilesOf(form1Start),
            {}});
  PrintRow({"start-up to the first frame complete: bare QWidget 900×753",
            Quantity::Nanoseconds,
            QuartilesOf(bareStart),
            {}});
  PrintRow({"start-up to the first frame complete, Form1 / bare QWidget (paired runs)",
            Quantity::Ratio, QuartilesOf(ratio), Target{1.3, "≤ 1.3×"}});
  PrintRow({"first load command of a run, device pixel ratio 1 (also creates the graph window)",
            Quantity::Nanoseconds, QuartilesOf(firstLoad), Target{5e6, "≤ 5 ms"}});
  PrintRow({"peak memory (max RSS) after a load: AlphaStop",
            Quantity::Bytes,
            QuartilesOf(form1Peak),
            {}});
  PrintRow({"peak memory (max RSS): bare QWidget", Quantity::Bytes, QuartilesOf(barePeak), {}});
  PrintRow({"peak memory, AlphaStop − bare QWidget (paired runs)", Quantity::Bytes,
            QuartilesOf(peakDifference), Target{15e6, "≤ 15 MB"}});

  if (options.tablesTool.empty())
    PrintNote("alphastop-tables is not built here: no row for generating the tables");
  else
    TimeTableGenerator(options.tablesTool, std::max(1, options.runs / 6));
  if (options.calcTool.empty())
    PrintNote("alphastop-calc is not built here: no rows for its queries");
  else
    TimeCalculatorQueries(options.calcTool, tables, options.runs);
  if (!options.calcTool.empty()) TimeComparisons(options.calcTool, tables, options.runs);
  return EXIT_SUCCESS;
}
