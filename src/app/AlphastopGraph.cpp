// alphastop-graph: writes the graph window's look for one table file, without a window.
// alphastop-calc's graph command runs it, so that the calculator itself links no Qt.
//
//   alphastop-graph TABLE OUT.png|OUT.svg [SCALE]
//       TABLE: a table file, or a material written out as alphastop-calc takes it
//       ("formula=C10H8O4,density=1.397").
//       SCALE (1 to 8, default 1): pixels of the PNG for each pixel of the window.
// Exit codes: 0 written, 1 the table cannot be read or the file cannot be written (one
// line on standard error names it), 2 bad arguments.

#include <QApplication>

#include <filesystem>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/catalog/MaterialLoader.h"
#include "core/data/TextEncoding.h"
#include "core/graph/GraphFile.h"
#include "ui/graph/GraphExport.h"

namespace {

constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;

// The name in messages: argv[0]'s file name, so that run by alphastop-calc, which passes its
// own, the messages carry the name of the program the user ran.
std::string programName = "alphastop-graph";

int Fail(int status, const std::string& message) {
  std::fprintf(stderr, "%s: %s\n", programName.c_str(), message.c_str());
  return status;
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

}  // namespace

int main(int argc, char* argv[]) {
  using namespace alphastop;
  if (argc > 0 && argv[0][0] != '\0') programName = std::filesystem::path(argv[0]).filename();
  if (argc < 3 || argc > 4)
    return Fail(ExitUsage, "usage: alphastop-graph TABLE OUT.png|OUT.svg [SCALE]");
  const std::string table = argv[1], out = argv[2];
  const std::optional<int> scale = argc == 4 ? ParseGraphScale(argv[3]) : 1;
  if (!scale)
    return Fail(ExitUsage, QuotedText(argv[3]) + ": the scale is a whole number from 1 to " +
                               std::to_string(MaxGraphScale));
  if (!GraphFormatOf(out))
    return Fail(ExitUsage, QuotedText(out) + ": the name must end in .png or .svg");

  // A path or a written-out material, as alphastop-calc passes them: no catalog is needed.
  Checked<LoadedMaterial> loaded = LoadMaterial(table, MaterialCatalog{});
  if (const Refusal* no = Refused(loaded))
    return Fail(no->kind == RefusalKind::Unreadable ? ExitFailed : ExitUsage, OneLine(*no));
  DrawOffscreenWithoutDisplay();
  qInstallMessageHandler(KeepOnlyQtErrors);
  QApplication app(argc, argv);
  if (const auto error = ui::SaveGraph(std::get<LoadedMaterial>(loaded).table,
                                       QString::fromLocal8Bit(out.c_str()), *scale))
    return Fail(ExitFailed, error->toStdString());
  return EXIT_SUCCESS;
}
