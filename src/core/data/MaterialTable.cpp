#include "core/data/MaterialTable.h"

namespace alphastop {

MaterialTable& SharedMaterialTable() {
  static MaterialTable table;
  return table;
}

}  // namespace alphastop
