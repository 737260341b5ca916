#pragma once
// The comparison's picture and table for files, the clipboard and the printer, the same in
// the window and in alphastop-calc compare.

#include <QString>

#include <cstddef>
#include <optional>

#include "core/compare/Comparison.h"
#include "core/graph/GraphStyle.h"
#include "ui/graph/DrawingExport.h"

namespace alphastop::ui {

// The picture (ComparisonWidth x ComparisonHeight) of the comparison against curve base.
// It refers to comparison, which must outlive it.
Drawing ComparisonDrawing(const Comparison& comparison, std::size_t base, GraphStyle style);

// Writes ComparisonReport as CSV to path, whole or not at all; why not where it fails.
std::optional<QString> SaveComparisonCsv(const Comparison& comparison, const QString& path);

}  // namespace alphastop::ui
