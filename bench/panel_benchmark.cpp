// Measures the panel on a private X server with openbox:
//  1. resident memory of the idle program with the panel preloaded;
//  2. shortcut release → panel visible and focused (median of 20);
//  3. keystroke → rows updated on screen, for the queries of the search benchmark:
//     the panel is drawn in this process, the query's last character is typed into
//     its field, and the clock stops when the next frame has been presented.
//
//   build/bin/panel_benchmark

#include "BibleSearchService.h"
#include "ClipboardService.h"
#include "InsertionPreferences.h"
#include "MemorySettingsStore.h"
#include "Qt/QtLogSink.h"
#include "Qt/QtPasteboard.h"
#include "Qt/QtScheduler.h"
#include "QuickPanelWindow.h"
#include "SearchHistoryStore.h"
#include "SearchPanelController.h"
#include "VirtualDesktop.h"
#include "XKeyboard.h"
#include "X11/X11Connection.h"
#include "X11/X11WindowSystem.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickView>
#include <QTest>
#include <QThread>

#include <X11/keysym.h>

#include <algorithm>
#include <cstdio>

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

long residentKiB(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

// Starts lampstride and waits until it is ready and has settled.
std::unique_ptr<QProcess> startProgram(VirtualDesktop& desktop)
{
    auto app = desktop.start(QCoreApplication::applicationDirPath() + "/lampstride", {});
    QString log;
    QElapsedTimer wait;
    wait.start();
    while (!log.contains("готовий") && wait.elapsed() < 15000) {
        app->waitForReadyRead(50);
        log += QString::fromUtf8(app->readAllStandardError());
    }
    QThread::sleep(2);
    return app;
}

void measureProgram(VirtualDesktop& desktop)
{
    // The first start opens the tour; every later one starts quietly in the tray.
    const QString settings = desktop.home() + "/config/com.lampstride.Lampstride.ini";
    QFile::remove(settings);
    auto first = startProgram(desktop);
    std::printf("first start, tour open: resident memory %.1f MB\n", residentKiB(first->processId()) / 1024.0);
    first->kill();
    first->waitForFinished(3000);
    QFile file(settings);
    file.open(QIODevice::WriteOnly);
    file.write("[General]\ncom.lampstride.onboardingVersionSeen=1\n");
    file.close();

    auto app = startProgram(desktop);
    std::printf("idle program, panel preloaded: resident memory %.1f MB\n", residentKiB(app->processId()) / 1024.0);

    XKeyboard keys(desktop.display());
    const xcb_window_t before = keys.focus();
    std::vector<double> times;
    for (int run = 0; run < 20; ++run) {
        keys.key(XK_Alt_L, true);
        keys.key(XK_space, true);
        QElapsedTimer clock;
        keys.key(XK_space, false);
        clock.start();
        keys.key(XK_Alt_L, false);
        // Visible and focused: the focus has moved to a mapped window that is not the one before.
        xcb_window_t focused = XCB_NONE;
        while (clock.elapsed() < 2000) {
            focused = keys.focus();
            if (focused != before && focused > 1 && keys.viewable(focused))
                break;
            QThread::usleep(200);
        }
        times.push_back(clock.nsecsElapsed() / 1e6);
        QThread::msleep(150);
        keys.key(XK_Escape, true);  // leave the panel empty, then hide it with the shortcut
        keys.key(XK_Escape, false);
        keys.key(XK_Alt_L, true);
        keys.key(XK_space, true);
        keys.key(XK_space, false);
        keys.key(XK_Alt_L, false);
        QThread::msleep(250);
    }
    std::printf("shortcut release -> panel visible and focused, 20 runs: median %.1f ms, max %.1f ms\n", median(times),
                *std::max_element(times.begin(), times.end()));
    app->terminate();
    app->waitForFinished(3000);
}

void measureTyping()
{
    auto database = std::move(BibleDatabase::open(QCoreApplication::applicationDirPath() + "/bible.db")).value();
    BibleSearchService search(database.get());
    MemorySettingsStore settings;
    SearchHistoryStore history(settings);
    InsertionPreferences preferences(settings);
    ClipboardService clipboard(QtPasteboard::shared());
    X11WindowSystem windows(X11Connection::shared());
    QuickPanelWindow* quick = nullptr;
    SearchPanelController controller(
        SearchPanelServices{&search, database.get(), &history, &preferences, &clipboard},
        SearchPanelController::Services{windows, QtScheduler::shared(), QtLogSink::shared(), preferences,
                                        [&](SearchPanelController& owner) {
                                            auto window = std::make_unique<QuickPanelWindow>(owner, nullptr, false);
                                            quick = window.get();
                                            return window;
                                        },
                                        [](const QString&, const std::optional<AppWindow>&) {},
                                        [](const QString&) { return false; }, nullptr});
    controller.show();
    QTest::qWaitForWindowActive(quick->view());
    QQuickView* view = quick->view();

    const char* queries[] = {"ів 3:16", "пс 23", "1 кор 13:4-7", "любов", "бог є любов", "«любов»",
                             "мат", "пастир", "і", "а", "в", "«і»", "і в"};
    std::printf("\n%-16s %10s %10s\n", "keystroke → frame", "median ms", "max ms");
    for (const char* q : queries) {
        const QString query = QString::fromUtf8(q);
        std::vector<double> times;
        for (int run = 0; run < 7; ++run) {
            controller.state().reset();
            controller.state().setQuery(query.chopped(1));
            QTest::qWait(80);
            bool presented = false;
            auto connection = QObject::connect(view, &QQuickWindow::frameSwapped, [&] { presented = true; });
            QElapsedTimer clock;
            clock.start();
            if (query.back().unicode() < 128) {
                QTest::keyClick(view, query.back().toLatin1());
            } else {
                // A Cyrillic letter or a quotation mark: a key event carrying its text.
                QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, query.right(1));
                QGuiApplication::sendEvent(view, &press);
            }
            while (!presented && clock.elapsed() < 5000)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
            times.push_back(clock.nsecsElapsed() / 1e6);
            QObject::disconnect(connection);
            if (controller.state().query() != query)
                std::fprintf(stderr, "  (typed %s, field holds %s)\n", q, qPrintable(controller.state().query()));
        }
        QString label = query;
        std::printf("%s %10.1f %10.1f\n", label.leftJustified(18).toUtf8().constData(), median(times),
                    *std::max_element(times.begin(), times.end()));
    }
}

}  // namespace

int main(int argc, char** argv)
{
    VirtualDesktop desktop({true});
    if (!desktop.isRunning()) {
        std::fprintf(stderr, "no desktop: %s\n", qPrintable(desktop.error()));
        return 1;
    }
    const QProcessEnvironment env = desktop.environment();
    for (const QString& key : env.keys())
        qputenv(key.toLocal8Bit(), env.value(key).toLocal8Bit());
    QGuiApplication app(argc, argv);
    measureProgram(desktop);
    measureTyping();
    return 0;
}
