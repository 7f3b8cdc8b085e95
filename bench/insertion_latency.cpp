// Measures, on a private X server with openbox and mousepad, the time from the
// release of the global shortcut to the inserted text showing in the editor
// (mousepad marks its title with "*" the moment its buffer changes).
//
//   build/bin/insertion_latency [runs]     (default 20)

#include "VirtualDesktop.h"
#include "XKeyboard.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <X11/keysym.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 20;

    VirtualDesktop desktop({true});
    if (!desktop.isRunning()) {
        std::fprintf(stderr, "no desktop: %s\n", qPrintable(desktop.error()));
        return 1;
    }
    QTemporaryDir dir;
    const QString file = dir.filePath("latency.txt");
    QFile(file).open(QIODevice::WriteOnly);
    auto editor = desktop.start("mousepad", {file});
    const auto search = desktop.run("xdotool", {"search", "--sync", "--name", "latency.txt"}, 15000);
    const xcb_window_t window = QString::fromUtf8(search.out).split('\n', Qt::SkipEmptyParts).value(0).toUInt();
    desktop.run("xdotool", {"windowactivate", "--sync", QString::number(window)});
    auto harness = desktop.start(QCoreApplication::applicationDirPath() + "/insertion_harness",
                                 {"--shortcut", "Alt+Space", "--text", "Бог є любов"});
    harness->waitForReadyRead(10000);

    XKeyboard x(desktop.display());
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        // Press Alt+Space; the clock starts at the release of Space.
        x.key(XK_Alt_L, true);
        x.key(XK_space, true);
        QElapsedTimer clock;
        x.key(XK_space, false);
        clock.start();
        x.key(XK_Alt_L, false);
        while (!x.title(window).startsWith('*') && clock.elapsed() < 3000)
            QThread::usleep(500);
        times.push_back(clock.nsecsElapsed() / 1e6);
        QThread::msleep(600);  // let the clipboard restore run
        x.chord(XK_Control_L, XK_s);
        QElapsedTimer saved;
        saved.start();
        while (x.title(window).startsWith('*') && saved.elapsed() < 3000)
            QThread::msleep(5);
    }
    std::vector<double> sorted = times;
    std::sort(sorted.begin(), sorted.end());
    std::printf("shortcut release -> text in mousepad, %d runs: median %.1f ms, min %.1f ms, max %.1f ms\n", runs,
                sorted[sorted.size() / 2], sorted.front(), sorted.back());
    harness->kill();
    editor->kill();
    harness->waitForFinished();
    editor->waitForFinished();
    return 0;
}
