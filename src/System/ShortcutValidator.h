#pragma once

#include <QKeyCombination>
#include <QList>
#include <QString>

#include <optional>

// Whether a recorded combination may become the global shortcut.
namespace ShortcutValidator {

// Keys that never type a character, and the function keys.
bool isNonPrintingKey(Qt::Key key);
bool isFunctionKey(Qt::Key key);

// The desktop feature a taken combination most likely belongs to, if known.
std::optional<QString> systemFeatureName(QKeyCombination shortcut);

// Nothing when acceptable; otherwise why not. `systemShortcuts` are combinations
// that other programs (the desktop) already hold; `desktopName` names the desktop
// in the message ("Openbox", "GNOME", …).
std::optional<QString> problem(QKeyCombination shortcut, const QList<QKeyCombination>& systemShortcuts,
                               const QString& desktopName);

// The name of the running desktop: XDG_CURRENT_DESKTOP, else the window manager's
// own name, else a general word.
QString desktopName(const QString& windowManagerName);

}  // namespace ShortcutValidator
