#include "core/report/Report.h"

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>

#include "core/text/NumberFormat.h"

namespace alphastop {
namespace {

std::string TextOf(const ReportCell& cell, bool fullPrecision, bool length = false) {
  if (const auto* number = std::get_if<double>(&cell))
    return fullPrecision ? FormatFullPrecision(*number)
           : length      ? FormatLength(*number)
                         : FormatScientific(*number);
  if (const auto* count = std::get_if<long>(&cell)) return std::to_string(*count);
  if (const auto* text = std::get_if<std::string>(&cell)) return *text;
  return {};
}

// Quotes a field that holds the separator, a quote or a line end (RFC 4180).
std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

// Tabs and line ends would split a field: a spreadsheet's paste has no quoting, and the text
// format's columns are aligned on one line each.
std::string OnOneLine(std::string text) {
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
  return text;
}

template <typename Field>
std::string Separated(const std::vector<std::string>& fields, char separator, Field field) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i)
    line += (i ? std::string(1, separator) : "") + field(fields[i]);
  return line + "\n";
}

std::vector<std::string> Texts(const ReportRow& row, bool fullPrecision) {
  std::vector<std::string> texts;
  for (const ReportCell& cell : row) texts.push_back(TextOf(cell, fullPrecision));
  return texts;
}

std::string WriteSeparated(const Report& report, char separator) {
  std::vector<std::string> header;
  for (const ReportColumn& column : report.columns)
    header.push_back(separator == ','
                         ? column.key
                         : column.heading + (column.unit.empty() ? "" : " (" + column.unit + ")"));
  const auto field = [separator](const std::string& text) {
    return separator == ',' ? CsvField(text) : OnOneLine(text);
  };
  std::string out = Separated(header, separator, field);
  for (const ReportRow& row : report.rows) out += Separated(Texts(row, true), separator, field);
  return out;
}

// Characters a UTF-8 text takes on a terminal: every byte but continuation bytes.
std::size_t Width(const std::string& text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string WriteText(const Report& report) {
  std::string out;
  for (const auto& [key, value] : report.about)
    out += key + ": " + OnOneLine(TextOf(value, false)) + "\n";
  std::vector<std::vector<std::string>> lines{{}, {}};
  for (const ReportColumn& column : report.columns) {
    lines[0].push_back(column.heading);
    lines[1].push_back(column.length ? std::string() : column.unit);
  }
  for (const ReportRow& row : report.rows) {
    std::vector<std::string>& line = lines.emplace_back();
    for (std::size_t i = 0; i < row.size(); ++i)
      line.push_back(
          OnOneLine(TextOf(row[i], false, i < report.columns.size() && report.columns[i].length)));
  }
  std::vector<std::size_t> widths(report.columns.size(), 0);
  for (const auto& line : lines)
    for (std::size_t i = 0; i < line.size(); ++i) widths[i] = std::max(widths[i], Width(line[i]));
  for (const auto& line : lines) {
    std::string text;
    for (std::size_t i = 0; i < line.size(); ++i)
      text +=
          line[i] + (i + 1 < line.size() ? std::string(widths[i] - Width(line[i]) + 2, ' ') : "");
    // Padding before empty last cells is no column anyone reads.
    out += text.substr(0, text.find_last_not_of(' ') + 1) + "\n";
  }
  return out;
}

nlohmann::ordered_json JsonOf(const ReportCell& cell) {
  // Parsed back from its full-precision text, so JSON and CSV carry the same digits.
  if (const auto* number = std::get_if<double>(&cell))
    return std::isfinite(*number) ? nlohmann::ordered_json::parse(FormatFullPrecision(*number))
                                  : nullptr;
  if (const auto* count = std::get_if<long>(&cell)) return *count;
  if (const auto* text = std::get_if<std::string>(&cell)) return *text;
  return nullptr;
}

std::string WriteJson(const Report& report) {
  nlohmann::ordered_json json = nlohmann::ordered_json::object();
  for (const auto& [key, value] : report.about) json[key] = JsonOf(value);
  json["rows"] = nlohmann::ordered_json::array();
  for (const ReportRow& row : report.rows) {
    nlohmann::ordered_json object = nlohmann::ordered_json::object();
    for (std::size_t i = 0; i < report.columns.size(); ++i)
      object[report.columns[i].key] = JsonOf(row[i]);
    json["rows"].push_back(std::move(object));
  }
  // Invalid UTF-8 in a title is replaced rather than refused: the numbers matter more.
  return json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

}  // namespace

std::optional<ReportFormat> ReportFormatNamed(std::string_view name) {
  if (name == "text") return ReportFormat::Text;
  if (name == "csv") return ReportFormat::Csv;
  if (name == "json") return ReportFormat::Json;
  return std::nullopt;
}

std::string WriteReport(const Report& report, ReportFormat format) {
  switch (format) {
    case ReportFormat::Text:
      return WriteText(report);
    case ReportFormat::Csv:
      return WriteSeparated(report, ',');
    case ReportFormat::Tsv:
      return WriteSeparated(report, '\t');
    case ReportFormat::Json:
      return WriteJson(report);
  }
  return {};
}

}  // namespace alphastop
