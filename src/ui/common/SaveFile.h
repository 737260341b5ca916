#pragma once
// Saving what the windows export: one save dialog that remembers the folder last used in
// this run (where the open dialog starts too), and writes that either replace a file whole
// or leave it as it was.

#include <QByteArray>
#include <QString>

class QWidget;

namespace alphastop::ui {

// The folder last saved to in this run, else the home folder; every save dialog starts there.
QString LastSaveFolder();
void RememberSaveFolder(const QString& savedPath);

// A file name for what is exported of the loaded table: its file's name with extension
// (Silicon.as gives "Silicon.csv" for "csv").
QString SuggestedExportName(const QString& extension);

// Asks where to save, starting in LastSaveFolder() with suggestedName. filters as
// QFileDialog takes them. "" when the user cancels.
QString AskSavePath(QWidget* parent, const QString& caption, const QString& suggestedName,
                    const QString& filters);

// Asks which file to open, starting in LastSaveFolder(). "" when the user cancels.
QString AskOpenPath(QWidget* parent, const QString& caption, const QString& filters);

// Writes bytes to path through a temporary file that replaces it only once complete. Returns
// "" on success, else why not, naming the path.
QString WriteWholeFile(const QString& path, const QByteArray& bytes);

}  // namespace alphastop::ui
