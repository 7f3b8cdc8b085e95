#pragma once

#include <QString>

// Starting the program when the user logs in: an XDG autostart entry,
// "<config>/autostart/com.lampstride.Lampstride.desktop".
namespace LaunchAtLogin {

QString entryPath();

// True when the entry exists and is not hidden or switched off.
bool isEnabled();
// Writes (atomically) or removes the entry; false when that failed, with nothing
// half-written left behind. `executable` is what the entry starts.
bool setEnabled(bool enabled, const QString& executable);
bool setEnabled(bool enabled);

}  // namespace LaunchAtLogin
