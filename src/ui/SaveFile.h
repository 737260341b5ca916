#pragma once
// Saving what the windows export: one save dialog that remembers the folder last used in
// this run, and writes that either replace a file whole or leave it as it was.

#include <QByteArray>
#include <QString>

class QWidget;

namespace alphastop::ui {

// Asks where to save, starting in the folder last chosen in this run (else the home folder)
// with suggestedName. filters as QFileDialog takes them. "" when the user cancels.
QString AskSavePath(QWidget* parent, const QString& caption, const QString& suggestedName, const QString& filters);

// Writes bytes to path through a temporary file that replaces it only once complete. Returns
// "" on success, else why not, naming the path.
QString WriteWholeFile(const QString& path, const QByteArray& bytes);

}  // namespace alphastop::ui
