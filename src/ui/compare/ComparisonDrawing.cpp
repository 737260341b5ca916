#include "ui/compare/ComparisonDrawing.h"

#include <QPainter>

#include "core/compare/ComparisonPicture.h"
#include "core/report/Report.h"
#include "ui/common/Controls.h"
#include "ui/common/SaveFile.h"
#include "ui/graph/PainterSurface.h"

namespace alphastop::ui {

Drawing ComparisonDrawing(const Comparison& comparison, std::size_t base, GraphStyle style) {
  const QSize size(static_cast<int>(ComparisonWidth), static_cast<int>(ComparisonHeight));
  const QString title = "Comparison of the " + FromUtf8(QuantityText(comparison.quantity));
  return {size, title, [&comparison, base, style, size](QPainter& painter) {
            painter.save();
            painter.setRenderHint(QPainter::TextAntialiasing);
            const ComparisonLayout layout =
                LayoutComparison(size.width(), size.height(), comparison.curves.size());
            PainterSurface surface(painter, size, layout.scale, style);
            surface.SetPlainJoins(true);
            DrawComparison(surface, comparison, base, style, layout);
            surface.Flush();
            painter.restore();
          }};
}

std::optional<QString> SaveComparisonCsv(const Comparison& comparison, const QString& path) {
  const std::string csv = WriteReport(ComparisonReport(comparison), ReportFormat::Csv);
  const QString error = WriteWholeFile(path, QByteArray::fromStdString(csv));
  if (error.isEmpty()) return std::nullopt;
  return error;
}

}  // namespace alphastop::ui
