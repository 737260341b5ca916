#include "ui/common/Messages.h"

#include <QMessageBox>

namespace alphastop::ui {

void ShowWarning(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Warning, QString::fromUtf8(ApplicationTitle), text, QMessageBox::Ok,
                  parent);
  box.setObjectName("Warning");
  box.exec();
}

}  // namespace alphastop::ui
