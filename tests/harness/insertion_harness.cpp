// A small program for tests: holds one global shortcut; on its release it remembers
// the focused window and inserts the given text there through the program's full
// insertion sequence (clipboard snapshot, activation, Ctrl+V, restore).
//
//   insertion_harness --shortcut Alt+Space --text "Івана 3:16"
//
// Prints "ready", or "taken" / "unsupported" when the shortcut cannot be held, then
// "fired <window id>" for every press. Insertion log lines go to standard error.

#include "GlobalShortcuts.h"
#include "InsertionService.h"
#include "MemorySettingsStore.h"
#include "X11/X11Connection.h"
#include "X11/X11KeyGrabber.h"
#include "X11/X11WindowSystem.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QKeySequence>

#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOption({"shortcut", "The global shortcut.", "combination", "Alt+Space"});
    parser.addOption({"text", "The text to insert.", "text"});
    parser.process(app);

    const QKeySequence sequence = QKeySequence::fromString(parser.value("shortcut"), QKeySequence::PortableText);
    if (sequence.count() != 1) {
        std::fprintf(stderr, "bad shortcut\n");
        return 2;
    }
    const QString text = parser.value("text");

    X11Connection& x = X11Connection::shared();
    X11KeyGrabber grabber(x);
    X11WindowSystem windows(x);
    MemorySettingsStore store;
    GlobalShortcuts shortcuts(grabber, store);
    shortcuts.declare("harness", sequence[0]);
    const GlobalShortcuts::Registration registration = shortcuts.onKeyUp("harness", [&] {
        const std::optional<AppWindow> target = windows.frontmostWindow();
        std::printf("fired %u\n", target ? target->id : 0u);
        std::fflush(stdout);
        InsertionService::shared().insert(text, target);
    });
    switch (registration) {
    case GlobalShortcuts::Registration::Active:
        std::printf("ready\n");
        break;
    case GlobalShortcuts::Registration::Taken:
        std::printf("taken\n");
        break;
    default:
        std::printf("unsupported\n");
        break;
    }
    std::fflush(stdout);
    return app.exec();
}
