// The graph as the exports draw it: the window's own look, PNG and SVG files of the right
// size, curves and text kept as vectors in SVG, failed saves that leave nothing behind,
// and the graph window's context menu.

#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QtTest>

#include <sys/resource.h>

#include <csignal>
#include <memory>

#include "support/WindowTestSupport.h"
#include "ui/graph/GraphCommands.h"
#include "ui/graph/GraphExport.h"

using namespace alphastop;
using namespace alphastop::testing;

namespace {

QString InFolder(const TempFolder& folder, const QString& name) {
  return QString::fromStdString((folder.Path() / name.toStdString()).string());
}

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Points of the longest polyline stroked in each colour, and every text, of an SVG file.
struct SvgContent {
  QHash<QString, int> longestPolyline;
  QStringList texts;
};

SvgContent ReadSvg(const QString& path) {
  SvgContent content;
  QXmlStreamReader xml(Bytes(path));
  QStringList strokes{"none"};  // of the enclosing groups
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isEndElement() && xml.name() == u"g") strokes.removeLast();
    if (!xml.isStartElement()) continue;
    const QXmlStreamAttributes attributes = xml.attributes();
    if (xml.name() == u"g")
      strokes << (attributes.hasAttribute("stroke") ? attributes.value("stroke").toString()
                                                    : strokes.last());
    if (xml.name() == u"polyline") {
      const int points = int(attributes.value("points").split(u' ', Qt::SkipEmptyParts).size());
      int& longest = content.longestPolyline[strokes.last()];
      longest = std::max(longest, points);
    }
    if (xml.name() == u"text") content.texts << xml.readElementText();
  }
  return content;
}

}  // namespace

class GraphExportTest : public QObject {
  Q_OBJECT
  std::unique_ptr<MainWindow> w;

 private slots:
  void init() { w = std::make_unique<MainWindow>(); }
  void cleanup() { w.reset(); }

  // Runs first, while no table has been loaded in this process.
  void beforeAnyLoadTheCommandsSayNothingIsLoaded() {
    QVERIFY(!ui::HasLoadedGraph());
    const QStringList warnings = AnswerMessageBoxes([&] { ui::SaveGraphWithDialog(&w->window); });
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings[0].contains("No material is loaded"), qPrintable(warnings[0]));
  }

  void theImageIsTheWindowsAndPngAndSvgHaveItsSizeWithCurvesAndTextAsVectorsInSvg() {
    w->Load("Alpha.as");
    ui::Form2& form2 = MainWindow::Graph();
    QVERIFY(QTest::qWaitForWindowExposed(&form2));
    QVERIFY(ui::GraphImage(SharedMaterialTable(), form2.devicePixelRatioF()) ==
            form2.grab().toImage().convertToFormat(QImage::Format_RGB32));
    const QString png = InFolder(w->folder, "graph.png"), svg = InFolder(w->folder, "graph.SVG");
    QCOMPARE(ui::SaveGraph(SharedMaterialTable(), png, 3), std::nullopt);
    QCOMPARE(ui::SaveGraph(SharedMaterialTable(), svg), std::nullopt);

    QVERIFY(QImage(png).convertToFormat(QImage::Format_RGB32) ==
            ui::GraphImage(SharedMaterialTable(), 3));
    // On white for print, whichever view: white at the corners, curves in black and colour.
    for (GraphView view : {GraphView::StoppingPowers, GraphView::Ranges}) {
      QCOMPARE(ui::SaveGraph(SharedMaterialTable(), png, 1, {view, GraphStyle::Print}),
               std::nullopt);
      const QImage white(png);
      for (QPoint corner : {QPoint(0, 0), QPoint(white.width() - 1, white.height() - 1)})
        QCOMPARE(white.pixel(corner), qRgb(255, 255, 255));
      int coloured = 0;
      for (int y = 0; y < white.height(); ++y)
        for (int x = 0; x < white.width(); ++x)
          coloured += qRed(white.pixel(x, y)) != qBlue(white.pixel(x, y));
      QVERIFY(coloured > 100);
    }
    QSvgRenderer renderer(svg);
    QVERIFY(renderer.isValid());
    QCOMPARE(renderer.viewBox(), QRect(QPoint(0, 0), ui::GraphWindowSize()));
    const SvgContent content = ReadSvg(svg);
    for (const char* curve : {"#ff0000", "#ffff00", "#ffffff"})
      QVERIFY2(content.longestPolyline.value(curve) >= 120, curve);
    QVERIFY(content.texts.contains("Alpha particle stopping power"));
    QVERIFY(content.texts.contains("ALPHA"));
  }

  // QSvgGenerator writes no clip: a curve far off the scale must still end at the picture.
  void theSvgShowsNothingOfACurveOutsideThePicture() {
    w->folder.Write("as/OffScale.as", OffScaleTableText());
    w->Refresh();
    w->Load("OffScale.as");
    const QString svg = InFolder(w->folder, "off.svg");
    QCOMPARE(ui::SaveGraph(SharedMaterialTable(), svg), std::nullopt);
    QImage image(ui::GraphWindowSize(), QImage::Format_RGB32);
    QPainter painter(&image);
    QSvgRenderer(svg).render(&painter);
    painter.end();
    const QRect aboveThePicture(0, 0, image.width(), ui::GraphWindowSize().height() / 7);
    const QRect legendLine(400, 30, 110, 20);
    int red = 0;
    for (int y = aboveThePicture.top(); y <= aboveThePicture.bottom(); ++y)
      for (int x = 0; x < image.width(); ++x)
        red += !legendLine.contains(x, y) && qRed(image.pixel(x, y)) > 160 &&
               qGreen(image.pixel(x, y)) < 100;
    QCOMPARE(red, 0);
  }

  // Unknown extension, a folder that cannot be, and a write that fails part way (files of
  // this process may not grow past a few bytes, which stops even root).
  void aFailedSaveLeavesNoFileAndAnExistingFileAsItWas() {
    w->Load("Alpha.as");
    const QString jpg = QString::fromStdString(w->folder.Write("out/graph.jpg", "earlier"));
    const QString png = QString::fromStdString(w->folder.Write("out/graph.png", "earlier"));
    const QString svg = QString::fromStdString(w->folder.Write("out/graph.svg", "earlier"));
    const auto refused = [](const QString& path) {
      const std::optional<QString> error = ui::SaveGraph(SharedMaterialTable(), path);
      QVERIFY2(error && error->contains('"' + path + '"'),
               qPrintable(error.value_or("saved " + path)));
    };
    refused(jpg);
    refused(jpg + "/graph.png");
    {  // files of this process cannot grow past 100 bytes: a write beyond fails
      rlimit previous{};
      getrlimit(RLIMIT_FSIZE, &previous);
      signal(SIGXFSZ, SIG_IGN);
      const rlimit limit{100, previous.rlim_max};
      setrlimit(RLIMIT_FSIZE, &limit);
      const auto restore = qScopeGuard([&] { setrlimit(RLIMIT_FSIZE, &previous); });
      refused(png);
      refused(svg);
    }
    for (const QString& path : {jpg, png, svg}) QCOMPARE(Bytes(path), QByteArray("earlier"));
    QCOMPARE(QDir(InFolder(w->folder, "out")).entryList(QDir::Files | QDir::Hidden),
             (QStringList{"graph.jpg", "graph.png", "graph.svg"}));
  }

  void theSaveDialogWritesByTheExtensionAndNextOpensInTheSameFolder() {
    w->Load("Alpha.as");
    const QString folder = InFolder(w->folder, "saved");
    QVERIFY(QDir().mkpath(folder));
    QStringList openedIn;
    const auto saveAs = [&](const QString& name) {
      openedIn += AnswerFileDialogs(folder + "/" + name,
                                    [&] { ui::SaveGraphWithDialog(&MainWindow::Graph()); });
    };
    saveAs("drawing.svg");
    saveAs("picture");
    QVERIFY(QSvgRenderer(folder + "/drawing.svg").isValid());
    QCOMPARE(QImage(folder + "/picture.png").size(),
             ui::GraphWindowSize() * std::ceil(MainWindow::Graph().devicePixelRatioF()));
    QCOMPARE(openedIn.value(1), folder);
  }

  void theContextMenuOverThePictureOffersSaveCopyAndPrint() {
    w->Load("Alpha.as");
    ui::Form2& form2 = MainWindow::Graph();
    QStringList offered;
    QTimer reader;
    connect(&reader, &QTimer::timeout, [&] {
      if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        for (const QAction* action : menu->actions())
          offered << action->objectName() + (action->isEnabled() ? "" : " disabled");
        menu->close();
      }
    });
    reader.start(5);
    const QPoint at(300, 300);
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, form2.Picture1().mapToGlobal(at));
    QApplication::sendEvent(&form2.Picture1(), &click);
    QCOMPARE(offered, (QStringList{"RangesAction", "", "SaveGraphAction", "CopyGraphAction",
                                   "PrintGraphAction", "", "PrintStyleAction"}));

    QGuiApplication::clipboard()->clear();
    form2.findChild<QAction*>("CopyGraphAction")->trigger();
    QCOMPARE(QGuiApplication::clipboard()->image().size(),
             ui::GraphWindowSize() * form2.devicePixelRatioF());
  }
};

QTEST_MAIN(GraphExportTest)
#include "GraphExportTest.moc"
