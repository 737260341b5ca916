#pragma once
// Building controls from the design tables: each control gets its designer name as its
// objectName, its place in twips, its font and its colours.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <string>

#include "ui/common/Palette.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace alphastop::ui {

struct TwipsBox {
  double left, top, width, height;
};
QRect ToRect(TwipsBox box);

// A label whose text starts at the top of its box, like the designer's labels.
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, TwipsBox box,
                  const QFont& font, Qt::Alignment horizontal = Qt::AlignLeft);
void SetTextColour(QWidget* widget, const QColor& colour);

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, TwipsBox box,
                        const QFont& font, const QColor& face);

QLineEdit* MakeTextBox(QWidget* parent, const char* name, TwipsBox box, const QFont& font,
                       Qt::Alignment alignment);
void SetBackground(QWidget* widget, const QColor& colour);

// The core's UTF-8 texts as Qt's.
inline QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A label that says what is wrong with a typed text, beside it: wrapped, in the message colour.
QLabel* MakeMessageLabel(const char* name);

// Changes a label only where its text changes: an unchanged label then costs nothing, and a
// message label that stays empty never lays its window out again.
void SetText(QLabel* label, const QString& text);

}  // namespace alphastop::ui
