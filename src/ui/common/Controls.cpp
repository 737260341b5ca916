#include "ui/common/Controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/common/Twips.h"

namespace alphastop::ui {

QRect ToRect(TwipsBox box) { return TwipsRect(box.left, box.top, box.width, box.height); }

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, TwipsBox box,
                  const QFont& font, Qt::Alignment horizontal) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setFont(font);
  label->setGeometry(ToRect(box));
  label->setAlignment(horizontal | Qt::AlignTop);
  label->setContentsMargins(0, 0, 0, 0);
  label->setMargin(0);
  // A stand-in face may run a little wider than the designer's: grow rather than clip,
  // keeping the left edge, or the centre of a centred label.
  const int extra = label->sizeHint().width() - label->width();
  if (extra > 0) {
    const int shift = horizontal & Qt::AlignHCenter ? extra / 2 : 0;
    label->setGeometry(label->geometry().adjusted(-shift, 0, extra - shift, 0));
  }
  return label;
}

void SetTextColour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  palette.setColor(QPalette::Text, colour);
  palette.setColor(QPalette::ButtonText, colour);
  widget->setPalette(palette);
}

void SetBackground(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
  palette.setColor(QPalette::Base, colour);
  // Disabled boxes keep their colour, only the text greys out.
  palette.setColor(QPalette::Disabled, QPalette::Base, colour);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, TwipsBox box,
                        const QFont& font, const QColor& face) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setFont(font);
  button->setGeometry(ToRect(box));
  button->setAutoDefault(false);
  button->setDefault(false);
  // A style sheet is the one way to colour a button's face under every Qt style.
  button->setStyleSheet(
      QStringLiteral(
          "QPushButton { background-color: %1; border: 1px solid #7a7a7a; border-radius: 2px; }"
          "QPushButton:hover { border-color: #3c3c3c; }"
          "QPushButton:pressed { background-color: %2; }"
          "QPushButton:focus { border: 2px solid #3c3c8c; }"
          "QPushButton:disabled { color: #a0a0a0; border-color: #c0c0c0; }")
          .arg(face.name(), face.darker(115).name()));
  return button;
}

QLabel* MakeMessageLabel(const char* name) {
  auto* label = new QLabel;
  label->setObjectName(name);
  label->setWordWrap(true);
  SetTextColour(label, MessageColour);
  return label;
}

void SetText(QLabel* label, const QString& text) {
  if (label->text() != text) label->setText(text);
}

QLineEdit* MakeTextBox(QWidget* parent, const char* name, TwipsBox box, const QFont& font,
                       Qt::Alignment alignment) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setFont(font);
  edit->setGeometry(ToRect(box));
  edit->setAlignment(alignment);
  edit->setTextMargins(0, 0, 0, 0);
  return edit;
}

}  // namespace alphastop::ui
