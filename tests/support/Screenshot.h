#pragma once

#include <QImage>
#include <QRect>
#include <QString>

// What the X server shows in a rectangle of the screen (root coordinates), or of one
// window when `window` is given (then in that window's coordinates).
QImage grabScreen(const QString& display, const QRect& area, quint32 window = 0);
// The window's rectangle on the screen; empty when it is not mapped.
QRect windowGeometry(const QString& display, quint32 window);
// Asks the window to close, as a window manager's close button does (WM_DELETE_WINDOW).
void requestClose(const QString& display, quint32 window);
