#pragma once
#include <QString>

class QWidget;

namespace alphastop::ui {

inline constexpr const char* ApplicationTitle = "AlphaStop";

// A modal warning with a single OK button, captioned with the application's title.
// Returns when the user has closed it.
void ShowWarning(QWidget* parent, const QString& text);

}  // namespace alphastop::ui
