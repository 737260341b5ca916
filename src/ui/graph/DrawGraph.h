#pragma once

namespace alphastop::ui {

// The last stage of a load: titles the graph window after the loaded material, draws its
// whole graph anew, hides the cursor lines and shows the window (without waiting for it).
void DrawGraph();

}  // namespace alphastop::ui
