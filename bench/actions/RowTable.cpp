#include "RowTable.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace alphastop::bench {
namespace {

double Percentile(const std::vector<double>& sorted, double fraction) {
  const double at = fraction * static_cast<double>(sorted.size() - 1);
  const auto below = static_cast<std::size_t>(std::floor(at));
  const std::size_t above = std::min(below + 1, sorted.size() - 1);
  return sorted[below] + (at - static_cast<double>(below)) * (sorted[above] - sorted[below]);
}

std::string Printed(const char* format, double value, const char* unit) {
  char text[48];
  std::snprintf(text, sizeof text, format, value, unit);
  return text;
}

// Three significant digits are plenty for timings that vary by several percent.
std::string Duration(double nanoseconds) {
  const double magnitude = std::abs(nanoseconds);
  if (magnitude < 1e3) return Printed("%.0f %s", nanoseconds, "ns");
  const double scaled = magnitude < 1e6   ? nanoseconds / 1e3
                        : magnitude < 1e9 ? nanoseconds / 1e6
                                          : nanoseconds / 1e9;
  const char* unit = magnitude < 1e6 ? "µs" : magnitude < 1e9 ? "ms" : "s";
  const double scaledMagnitude = std::abs(scaled);
  return Printed(scaledMagnitude < 10    ? "%.2f %s"
                 : scaledMagnitude < 100 ? "%.1f %s"
                                         : "%.0f %s",
                 scaled, unit);
}

}  // namespace

Quartiles QuartilesOf(std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  return {Percentile(samples, 0.25), Percentile(samples, 0.5), Percentile(samples, 0.75)};
}

std::string FormatValue(Quantity quantity, double value) {
  switch (quantity) {
    case Quantity::Nanoseconds:
      return Duration(value);
    case Quantity::Bytes:
      return Printed("%.1f %s", value / 1e6, "MB");
    case Quantity::Ratio:
      return Printed("%.2f%s", value, "×");
  }
  return {};
}

void PrintRow(const ResultRow& row) {
  const std::string spread =
      FormatValue(row.quantity, row.value.low) + " – " + FormatValue(row.quantity, row.value.high);
  const std::string target = row.target ? row.target->text : "";
  const std::string verdict = !row.target                             ? ""
                              : row.value.median <= row.target->limit ? "met"
                                                                      : "**missed**";
  std::printf("| %s | %s | %s | %s | %s |\n", row.action.c_str(),
              FormatValue(row.quantity, row.value.median).c_str(), spread.c_str(), target.c_str(),
              verdict.c_str());
  std::fflush(stdout);
}

void PrintNote(const std::string& note) {
  std::printf("note: %s\n", note.c_str());
  std::fflush(stdout);
}

benchmark::internal::Benchmark* WithQuartiles(benchmark::internal::Benchmark* benchmark) {
  return benchmark->ReportAggregatesOnly(true)
      ->ComputeStatistics("p25", [](const std::vector<double>& v) { return QuartilesOf(v).low; })
      ->ComputeStatistics("p75", [](const std::vector<double>& v) { return QuartilesOf(v).high; });
}

void RowReporter::ReportRuns(const std::vector<Run>& runs) {
  for (const Run& run : runs) {
    if (run.error_occurred) {
      std::fprintf(stderr, "%s: %s\n", run.benchmark_name().c_str(), run.error_message.c_str());
      failed_ = true;
      continue;
    }
    const std::string& name = run.run_name.function_name;
    if (!collected_.count(name)) order_.push_back(name);
    Quartiles& value = collected_[name];
    const double time = run.GetAdjustedRealTime();
    if (run.run_type == Run::RT_Iteration) {
      value = {time, time, time};  // a single run (as in a smoke test): no spread
    } else if (run.aggregate_name == "median") {
      value.median = time;
    } else if (run.aggregate_name == "p25") {
      value.low = time;
    } else if (run.aggregate_name == "p75") {
      value.high = time;
    }
  }
}

void RowReporter::Finalize() {
  for (const std::string& name : order_) {
    const auto target = targets_.find(name);
    PrintRow({name, Quantity::Nanoseconds, collected_[name],
              target == targets_.end() ? std::nullopt : std::optional<Target>(target->second)});
  }
}

}  // namespace alphastop::bench
