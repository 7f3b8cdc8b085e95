#include "DesktopRecorder.h"

#include "GlobalHotkeyManager.h"
#include "ShortcutValidator.h"
#include "X11/X11Connection.h"
#include "X11/X11KeyGrabber.h"

#include <QApplication>

// The recorder's link to the X11 keyboard and the desktop.
ShortcutRecorder::Services desktopRecorderServices()
{
    GlobalHotkeyManager& hotkey = GlobalHotkeyManager::shared();
    return {
        hotkey,
        [](int qtKey, quint32 scanCode) -> std::optional<Qt::Key> {
            // The key's own symbol, so that Shift+7 is recorded as Shift+7, not "&".
            if (const quint32 keysym = X11Connection::shared().baseKeysym(scanCode))
                return X11KeyGrabber::qtKeyFor(keysym);
            return X11KeyGrabber::keysymFor(Qt::Key(qtKey)) ? std::optional<Qt::Key>(Qt::Key(qtKey)) : std::nullopt;
        },
        [&hotkey](QKeyCombination candidate) {
            return hotkey.shortcuts().isTakenElsewhere(candidate) ? QList<QKeyCombination>{candidate}
                                                                  : QList<QKeyCombination>{};
        },
        [] { return ShortcutValidator::desktopName(X11Connection::shared().windowManagerName()); },
        [] { QApplication::beep(); },
    };
}

