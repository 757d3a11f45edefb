// The artwork of the toolbar and the application: one drawing per command, with the normal, hot
// (under the mouse) and disabled looks made from it in one style.
#pragma once

#include <QIcon>
#include <QString>

namespace kvt {

// The icon of a toolbar command by its artwork name ("open", "save", ...), 32 x 32 pixels.
QIcon ToolbarIcon(const QString& name);
QIcon ApplicationIcon();

} // namespace kvt
