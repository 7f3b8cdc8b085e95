#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// A private X server (Xvfb) for one test program, optionally with a window manager,
// and private HOME and XDG folders so nothing the test starts touches the user's.
// Everything started is stopped again on destruction.
class VirtualDesktop {
public:
    struct Options {
        bool windowManager = false;  // openbox, with its own configuration
        QString keyboardLayout;      // e.g. "us,ua"; empty: the server's default
        int keyboardGroup = 0;       // the layout selected at start
    };

    explicit VirtualDesktop(const Options& options);
    ~VirtualDesktop();

    bool isRunning() const { return m_running; }
    QString display() const { return m_display; }
    QString home() const { return m_home.path(); }
    QString error() const { return m_error; }

    // Runs a program on this display and waits for it, serving Qt events meanwhile
    // (a program that asks this process for the clipboard needs an answer).
    struct Run {
        int exitCode = -1;
        bool finished = false;
        QByteArray out;
        QByteArray err;
    };
    Run run(const QString& program, const QStringList& arguments, int timeoutMs = 10000) const;
    // Starts a program that keeps running (an editor, a clipboard owner).
    std::unique_ptr<QProcess> start(const QString& program, const QStringList& arguments) const;

    QProcessEnvironment environment() const;

    // Selects a group of the keyboard layout, as the user's layout switch does
    // (0 is the first layout of "us,ua", 1 the second); and reads it back.
    bool selectKeyboardGroup(int group) const { return selectGroupOn(m_display, group); }
    int keyboardGroup() const { return groupOn(m_display); }
    static bool selectGroupOn(const QString& display, int group);
    static int groupOn(const QString& display);

private:
    bool startServer();
    bool startWindowManager();
    bool setKeyboardLayout(const QString& layout);

    QTemporaryDir m_home;
    QString m_display;
    QString m_error;
    bool m_running = false;
    std::unique_ptr<QProcess> m_server;
    std::unique_ptr<QProcess> m_windowManager;
};

// For test programs that need a Qt GUI: starts a desktop and a QGuiApplication on it
// before the first test, and stops both after the last.
void installGuiTestEnvironment(int& argc, char** argv, const VirtualDesktop::Options& options);
VirtualDesktop& guiTestDesktop();
