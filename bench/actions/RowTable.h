#pragma once
// The rows of the benchmark table: one user action each, with its median, its spread (the
// middle half of the samples, 25th to 75th percentile) and its target. Every benchmark
// program prints its rows as Markdown table lines; scripts/bench.sh puts them together.

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace alphastop::bench {

enum class Quantity { Nanoseconds, Bytes, Ratio };

struct Quartiles {
  double low = 0;  // 25th percentile
  double median = 0;
  double high = 0;  // 75th percentile
};
// Linear interpolation between the sorted samples; samples must not be empty.
Quartiles QuartilesOf(std::vector<double> samples);

struct Target {
  double limit = 0;  // in the row's quantity; the median must not exceed it
  std::string text;  // how the target reads in the table, e.g. "≤ 5 ms"
};

struct ResultRow {
  std::string action;
  Quantity quantity = Quantity::Nanoseconds;
  Quartiles value;
  std::optional<Target> target;
};

std::string FormatValue(Quantity quantity, double value);
// "| action | median | low–high | target | met |"
void PrintRow(const ResultRow& row);
void PrintNote(const std::string& note);

// Adds the 25th and 75th percentile to a benchmark's statistics across its repetitions.
benchmark::internal::Benchmark* WithQuartiles(benchmark::internal::Benchmark* benchmark);

// Prints one row per benchmark from the aggregates of its repetitions, in nanoseconds;
// targets are looked up by the benchmark's name.
class RowReporter : public benchmark::BenchmarkReporter {
 public:
  explicit RowReporter(std::map<std::string, Target> targets) : targets_(std::move(targets)) {}
  bool ReportContext(const Context&) override { return true; }
  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;
  bool Failed() const { return failed_; }  // a benchmark stopped with an error

 private:
  bool failed_ = false;
  std::map<std::string, Target> targets_;
  std::map<std::string, Quartiles> collected_;
  std::vector<std::string> order_;
};

}  // namespace alphastop::bench
