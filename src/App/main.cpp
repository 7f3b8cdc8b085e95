// Lampstride: a global shortcut opens a search panel over the program you write in;
// Return pastes the chosen verse there.
//
//   lampstride              starts the program (or shows the panel of the running one)
//   lampstride --settings   opens the Settings window (of the running program, if any)

#include "LampstrideApp.h"
#include "SingleInstance.h"
#include "X11/X11Connection.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QQuickStyle>

#include <cstdio>
#include <unistd.h>

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
    QApplication::setApplicationVersion(QStringLiteral(LAMPSTRIDE_VERSION));
    QApplication::setDesktopFileName(LampstrideApp::applicationId);
    QApplication::setQuitOnLastWindowClosed(false);
    QQuickStyle::setStyle(QStringLiteral("Fusion"));

    const QString request = app.arguments().contains(QStringLiteral("--settings")) ? QStringLiteral("settings")
                                                                                    : QStringLiteral("show");
    // One program per user and display.
    SingleInstance instance(QStringLiteral("%1-%2-%3")
                                .arg(LampstrideApp::applicationId)
                                .arg(getuid())
                                .arg(qEnvironmentVariable("DISPLAY").remove(u':')));
    if (instance.forwardToRunning(request))
        return 0;

    if (!X11Connection::shared().isValid()) {
        std::fprintf(stderr, "Lampstride: не вдалося з'єднатися з X-сервером %s\n", qgetenv("DISPLAY").constData());
        return 1;
    }
    // The panel's "=" tells a tap from a long press by the key's single release.
    if (auto* x11 = app.nativeInterface<QNativeInterface::QX11Application>())
        X11Connection::makeAutoRepeatDetectable(x11->connection());

    LampstrideApp lampstride;
    instance.listen();
    QObject::connect(&instance, &SingleInstance::requested, &lampstride, &LampstrideApp::handleRequest);
    lampstride.launch();
    if (request == QLatin1String("settings"))
        lampstride.openSettings();
    return app.exec();
}
