#pragma once
// PNG files of the graph, written for speed. Qt's PNG writer tries every row filter on
// every row, which costs most of the time of a save; the graph's flat colours compress
// well without any filter, at zlib's fastest level, in a third of that time.

class QImage;
class QIODevice;

namespace alphastop::ui {

// Writes image, which must be QImage::Format_RGB32, as an 8-bit RGB PNG. False where out
// refused the bytes.
bool WritePng(const QImage& image, QIODevice& out);

}  // namespace alphastop::ui
