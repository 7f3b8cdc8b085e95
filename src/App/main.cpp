// Lampstride: a global shortcut opens a search panel over the program you write in;
// Return pastes the chosen verse there.

#include "GlobalHotkeyManager.h"
#include "OnboardingController.h"
#include "Qt/QtLogSink.h"
#include "SearchPanelController.h"
#include "X11/X11Connection.h"

#include <QApplication>
#include <QGuiApplication>
#include <QQuickStyle>

#include <cstdio>

int main(int argc, char** argv)
{
    // Without an X display there is nothing to show and no shortcut to hold.
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "Lampstride працює в сеансі X11, а змінна DISPLAY порожня: дисплея немає.\n"
                             "Вірші можна шукати й без нього: lampstride-cli search \"Ів 3:16\"\n");
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lampstride"));
    QApplication::setApplicationDisplayName(QStringLiteral("Lampstride"));
    QApplication::setDesktopFileName(QStringLiteral("com.lampstride.Lampstride"));
    QApplication::setQuitOnLastWindowClosed(false);
    QQuickStyle::setStyle(QStringLiteral("Basic"));

    if (!X11Connection::shared().isValid()) {
        std::fprintf(stderr, "Lampstride: не вдалося з'єднатися з X-сервером %s\n", qgetenv("DISPLAY").constData());
        return 1;
    }

    // The panel's "=" tells a tap from a long press by the key's single release.
    if (auto* x11 = app.nativeInterface<QNativeInterface::QX11Application>())
        X11Connection::makeAutoRepeatDetectable(x11->connection());

    // The shortcut first, then the panel, preloaded hidden so it opens at once.
    GlobalHotkeyManager& hotkey = GlobalHotkeyManager::shared();
    SearchPanelController& panel = SearchPanelController::shared();
    hotkey.setPanel({[&panel] { return panel.isVisible(); }, [&panel] { panel.show(); }, [&panel] { panel.hide(); }});
    hotkey.setInterceptor([] { return OnboardingController::shared().interceptHotkey(); });
    hotkey.start();
    panel.preload();

    if (const auto shortcut = hotkey.shortcuts().shortcut(GlobalHotkeyManager::shortcutName);
        shortcut && hotkey.registration() == GlobalShortcuts::Registration::Active) {
        QtLogSink::shared().log(QStringLiteral("hotkey"), LogSink::Level::Default,
                                QStringLiteral("Lampstride готовий: %1 відкриває пошук")
                                    .arg(GlobalShortcuts::displayText(*shortcut)));
    }
    return app.exec();
}
