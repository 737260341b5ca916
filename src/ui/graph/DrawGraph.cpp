#include "ui/graph/DrawGraph.h"

#include <QLabel>

#include "core/data/MaterialTable.h"
#include "ui/graph/Form2.h"
#include "ui/graph/GraphExport.h"
#include "ui/common/LineShape.h"
#include "ui/graph/PictureBox.h"

namespace alphastop::ui {

void DrawGraph() {
  const MaterialTable& table = SharedMaterialTable();
  const QString title = QString::fromStdString(table.MaterialTitle);
  Form2& form2 = Form2::Instance();
  form2.setWindowTitle("  " + title);
  form2.Label5().setText(title);
  form2.Label5().adjustSize();
  DrawGraphView(form2.Picture1().Drawing(), table, form2.View());
  form2.Line1().SetVisible(false);
  form2.Line2().SetVisible(false);
  form2.show();
}

}  // namespace alphastop::ui
