// alphastop-graph: writes the graph window's look, or a comparison of materials, into a
// file without a window. alphastop-calc's graph and compare commands run it, so that the
// calculator itself links no Qt.
//
//   alphastop-graph [--style screen|print] [--scale N] [--ranges] TABLE OUT.png|OUT.svg
//   alphastop-graph --compare [--quantity Q] [--base N] [--style S] [--scale N] TABLE... OUT
//       TABLE: a table file (the program's own, a CSV, an SR module output), or a material
//       written out as alphastop-calc takes it ("formula=C10H8O4,density=1.397").
//       --scale (1 to 8, default 1): pixels of the PNG for each pixel of the picture.
//       --quantity electronic|nuclear|total|csda|projected (default total), --base: the
//       curve the others are measured against, from 1 (default 1).
// Exit codes: 0 written, 1 a table cannot be read or the file cannot be written (one line
// on standard error names it), 2 bad arguments.

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/catalog/MaterialLoader.h"
#include "core/compare/Comparison.h"
#include "core/data/TextEncoding.h"
#include "core/graph/GraphFile.h"
#include "ui/compare/ComparisonDrawing.h"
#include "ui/graph/GraphExport.h"

namespace {

using namespace alphastop;

constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;

// The name in messages: argv[0]'s file name, so that run by alphastop-calc, which passes its
// own, the messages carry the name of the program the user ran.
std::string programName = "alphastop-graph";

int Fail(int status, const std::string& message) {
  std::fprintf(stderr, "%s: %s\n", programName.c_str(), message.c_str());
  return status;
}

int Fail(const Refusal& refusal) {
  return Fail(refusal.kind == RefusalKind::Unreadable ? ExitFailed : ExitUsage, OneLine(refusal));
}

// Without a display the window system cannot start; nothing is shown, so none is needed.
void DrawOffscreenWithoutDisplay() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

// Standard error carries one line, the refusal. Qt's notes on the session it starts in
// (an unset XDG_RUNTIME_DIR, a missing font) concern no file this program writes.
void KeepOnlyQtErrors(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg)
    std::fprintf(stderr, "%s: %s\n", programName.c_str(), qPrintable(message));
}

struct Arguments {
  bool compare = false;
  bool ranges = false;
  std::map<std::string, std::string> options;  // --style, --scale, --quantity, --base
  std::vector<std::string> words;              // the tables, then the file to write
};

std::optional<Arguments> ParseArguments(int argc, char* argv[]) {
  Arguments arguments;
  for (int i = 1; i < argc; ++i) {
    const std::string word = argv[i];
    if (word == "--compare") {
      arguments.compare = true;
    } else if (word == "--ranges") {
      arguments.ranges = true;
    } else if (word == "--style" || word == "--scale" || word == "--quantity" || word == "--base") {
      if (++i == argc) return std::nullopt;
      arguments.options[word] = argv[i];
    } else {
      arguments.words.push_back(word);
    }
  }
  return arguments;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc > 0 && argv[0][0] != '\0') programName = std::filesystem::path(argv[0]).filename();
  const std::optional<Arguments> arguments = ParseArguments(argc, argv);
  if (!arguments || arguments->words.size() < 2 ||
      (!arguments->compare && arguments->words.size() != 2))
    return Fail(ExitUsage,
                "usage: alphastop-graph [--style S] [--scale N] [--ranges] TABLE OUT.png|OUT.svg, "
                "or --compare [--quantity Q] [--base N] [--style S] [--scale N] TABLE... OUT");
  const auto option = [&](const std::string& name, const char* otherwise) {
    const auto found = arguments->options.find(name);
    return found == arguments->options.end() ? std::string(otherwise) : found->second;
  };
  const std::string out = arguments->words.back();
  const std::optional<int> scale = ParseGraphScale(option("--scale", "1"));
  if (!scale)
    return Fail(ExitUsage, QuotedText(option("--scale", "")) +
                               ": the scale is a whole number from 1 to " +
                               std::to_string(MaxGraphScale));
  const std::optional<GraphStyle> style = GraphStyleNamed(option("--style", "screen"));
  if (!style) return Fail(ExitUsage, QuotedText(option("--style", "")) + ": use screen or print");
  const std::optional<Quantity> quantity = QuantityNamed(option("--quantity", "total"));
  if (!quantity)
    return Fail(ExitUsage, QuotedText(option("--quantity", "")) +
                               ": use electronic, nuclear, total, csda or projected");
  if (!GraphFormatOf(out))
    return Fail(ExitUsage, QuotedText(out) + ": the name must end in .png or .svg");

  // Paths or written-out materials, as alphastop-calc passes them: no catalog is needed.
  std::vector<TableCurves> sources;
  std::optional<MaterialTable> table;
  for (std::size_t i = 0; i + 1 < arguments->words.size(); ++i) {
    const std::string& text = arguments->words[i];
    if (arguments->compare) {
      Checked<TableCurves> curves = LoadCurves(text, MaterialCatalog{});
      if (const Refusal* no = Refused(curves)) return Fail(*no);
      sources.push_back(std::get<TableCurves>(std::move(curves)));
    } else {
      Checked<LoadedMaterial> loaded = LoadMaterial(text, MaterialCatalog{});
      if (const Refusal* no = Refused(loaded)) return Fail(*no);
      table = std::get<LoadedMaterial>(std::move(loaded)).table;
    }
  }
  std::optional<Comparison> comparison;
  std::size_t base = 0;
  if (arguments->compare) {
    Checked<Comparison> compared = Compare(sources, *quantity, false);
    if (const Refusal* no = Refused(compared)) return Fail(*no);
    comparison = std::get<Comparison>(std::move(compared));
    const std::string baseText = option("--base", "1");
    const int number = std::atoi(baseText.c_str());
    if (number < 1 || std::to_string(number) != baseText ||
        number > static_cast<int>(comparison->curves.size()))
      return Fail(ExitUsage, QuotedText(baseText) + ": the base is a curve's number, 1 to " +
                                 std::to_string(comparison->curves.size()));
    base = static_cast<std::size_t>(number - 1);
  }

  DrawOffscreenWithoutDisplay();
  qInstallMessageHandler(KeepOnlyQtErrors);
  // The window's look draws the picture's border in the widgets' style; a comparison has
  // none, and starts faster without the widgets.
  const std::unique_ptr<QGuiApplication> app = comparison
                                                   ? std::make_unique<QGuiApplication>(argc, argv)
                                                   : std::make_unique<QApplication>(argc, argv);
  const QString path = QString::fromLocal8Bit(out.c_str());
  const std::optional<QString> error =
      comparison ? ui::SaveDrawing(ui::ComparisonDrawing(*comparison, base, *style), path, *scale)
                 : ui::SaveGraph(
                       *table, path, *scale,
                       {arguments->ranges ? GraphView::Ranges : GraphView::StoppingPowers, *style});
  if (error) return Fail(ExitFailed, error->toStdString());
  return EXIT_SUCCESS;
}
