#include "VirtualDesktop.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QThread>

#include <gtest/gtest.h>

#include <xcb/xcb.h>
// xkb.h names a structure field "explicit", a C++ keyword.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

#include <cstdlib>

namespace {

// openbox with no key bindings at all: Alt+Space and friends stay free for the program.
const char openboxConfig[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <focus><focusNew>yes</focusNew><followMouse>no</followMouse></focus>
  <placement><policy>Smart</policy></placement>
  <keyboard></keyboard>
  <mouse></mouse>
</openbox_config>
)";

bool waitFor(const std::function<bool()>& condition, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (condition())
            return true;
        QThread::msleep(20);
    }
    return condition();
}

}  // namespace

VirtualDesktop::VirtualDesktop(const Options& options)
{
    for (const char* folder : {"config", "data", "cache", "runtime"})
        QDir(m_home.path()).mkpath(QString::fromLatin1(folder));
    QFile::setPermissions(m_home.filePath("runtime"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    m_running = startServer() && (!options.windowManager || startWindowManager())
        && (options.keyboardLayout.isEmpty() || setKeyboardLayout(options.keyboardLayout))
        && (options.keyboardGroup == 0 || selectKeyboardGroup(options.keyboardGroup));
}

VirtualDesktop::~VirtualDesktop()
{
    for (auto* process : {m_windowManager.get(), m_server.get()}) {
        if (process && process->state() != QProcess::NotRunning) {
            process->terminate();
            if (!process->waitForFinished(3000))
                process->kill();
            process->waitForFinished(1000);
        }
    }
}

QProcessEnvironment VirtualDesktop::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", m_display);
    env.insert("HOME", m_home.path());
    env.insert("XDG_CONFIG_HOME", m_home.filePath("config"));
    env.insert("XDG_DATA_HOME", m_home.filePath("data"));
    env.insert("XDG_CACHE_HOME", m_home.filePath("cache"));
    env.insert("XDG_RUNTIME_DIR", m_home.filePath("runtime"));
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("NO_AT_BRIDGE", "1");
    env.insert("QT_LOGGING_RULES", "com.lampstride.Lampstride.keyboard.debug=true;com.lampstride.Lampstride.tour.debug=true");  // GTK programs: no accessibility bus to look for
    env.remove("WAYLAND_DISPLAY");
    return env;
}

bool VirtualDesktop::startServer()
{
    // A display number no other server holds.
    for (int number = 90 + static_cast<int>(QCoreApplication::applicationPid() % 50); number < 400; ++number) {
        if (QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(number))
            || QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number)))
            continue;
        m_display = QStringLiteral(":%1").arg(number);
        m_server = std::make_unique<QProcess>();
        m_server->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_server->start("Xvfb", {m_display, "-screen", "0", "1280x800x24", "-nolisten", "tcp", "-noreset"});
        if (!m_server->waitForStarted(5000)) {
            m_error = QStringLiteral("Xvfb did not start: ") + m_server->errorString();
            return false;
        }
        const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(number);
        if (waitFor([&] { return QFile::exists(socket) || m_server->state() == QProcess::NotRunning; }, 10000)
            && m_server->state() == QProcess::Running) {
            // The socket exists a moment before the server accepts clients.
            if (waitFor([&] { return run("xdpyinfo", {}, 3000).exitCode == 0; }, 10000))
                return true;
        }
        m_server->kill();
        m_server->waitForFinished(1000);
    }
    m_error = QStringLiteral("no free display for Xvfb");
    return false;
}

bool VirtualDesktop::startWindowManager()
{
    const QString config = m_home.filePath("config/openbox-rc.xml");
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(openboxConfig);
    file.close();
    m_windowManager = start("openbox", {"--config-file", config});
    // openbox announces itself on the root window once it manages the screen.
    const bool up = waitFor([&] {
        return run("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}, 2000).out.contains("window id");
    }, 10000);
    if (!up)
        m_error = QStringLiteral("openbox did not start");
    return up;
}

bool VirtualDesktop::setKeyboardLayout(const QString& layout)
{
    // "us,ua" with the second group selected: the layout a Ukrainian user types in.
    const Run result = run("setxkbmap", {"-display", m_display, "-layout", layout, "-option", "grp:alt_shift_toggle"});
    if (result.exitCode != 0) {
        m_error = QStringLiteral("setxkbmap failed: ") + QString::fromUtf8(result.err);
        return false;
    }
    return true;
}

namespace {

// A short-lived connection to the desktop's server with XKB enabled.
struct XkbConnection {
    explicit XkbConnection(const QString& display)
    {
        connection = xcb_connect(display.toLocal8Bit().constData(), nullptr);
        if (xcb_connection_has_error(connection))
            return;
        auto* reply = xcb_xkb_use_extension_reply(connection, xcb_xkb_use_extension(connection, 1, 0), nullptr);
        ok = reply && reply->supported;
        std::free(reply);
    }
    ~XkbConnection() { xcb_disconnect(connection); }
    xcb_connection_t* connection = nullptr;
    bool ok = false;
};

}  // namespace

bool VirtualDesktop::selectGroupOn(const QString& display, int group)
{
    XkbConnection xkb(display);
    if (!xkb.ok)
        return false;
    xcb_void_cookie_t cookie = xcb_xkb_latch_lock_state_checked(xkb.connection, XCB_XKB_ID_USE_CORE_KBD, 0, 0, 1,
                                                                static_cast<uint8_t>(group), 0, 0, 0);
    xcb_generic_error_t* error = xcb_request_check(xkb.connection, cookie);
    std::free(error);
    return !error && groupOn(display) == group;
}

int VirtualDesktop::groupOn(const QString& display)
{
    XkbConnection xkb(display);
    if (!xkb.ok)
        return -1;
    auto* state = xcb_xkb_get_state_reply(xkb.connection, xcb_xkb_get_state(xkb.connection, XCB_XKB_ID_USE_CORE_KBD), nullptr);
    const int group = state ? state->lockedGroup : -1;
    std::free(state);
    return group;
}

VirtualDesktop::Run VirtualDesktop::run(const QString& program, const QStringList& arguments, int timeoutMs) const
{
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(program, arguments);
    Run result;
    if (!process.waitForStarted(5000))
        return result;
    QDeadlineTimer deadline(timeoutMs);
    while (!process.waitForFinished(5)) {
        if (QCoreApplication::instance())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (deadline.hasExpired() || process.state() == QProcess::NotRunning)
            break;
    }
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(1000);
    } else {
        result.finished = true;
        result.exitCode = process.exitCode();
    }
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

std::unique_ptr<QProcess> VirtualDesktop::start(const QString& program, const QStringList& arguments) const
{
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(environment());
    process->start(program, arguments);
    process->waitForStarted(5000);
    return process;
}

namespace {

class GuiTestEnvironment : public ::testing::Environment {
public:
    GuiTestEnvironment(int& argc, char** argv, VirtualDesktop::Options options)
        : m_argc(argc), m_argv(argv), m_options(std::move(options))
    {
    }

    void SetUp() override
    {
        m_desktop = std::make_unique<VirtualDesktop>(m_options);
        ASSERT_TRUE(m_desktop->isRunning()) << qPrintable(m_desktop->error());
        const QProcessEnvironment env = m_desktop->environment();
        for (const QString& key : env.keys())
            qputenv(key.toLocal8Bit(), env.value(key).toLocal8Bit());
        m_app = std::make_unique<QGuiApplication>(m_argc, m_argv);
        desktop = m_desktop.get();
    }

    void TearDown() override
    {
        m_app.reset();
        desktop = nullptr;
        m_desktop.reset();
    }

    static VirtualDesktop* desktop;

private:
    int& m_argc;
    char** m_argv;
    VirtualDesktop::Options m_options;
    std::unique_ptr<VirtualDesktop> m_desktop;
    std::unique_ptr<QGuiApplication> m_app;
};

VirtualDesktop* GuiTestEnvironment::desktop = nullptr;

}  // namespace

void installGuiTestEnvironment(int& argc, char** argv, const VirtualDesktop::Options& options)
{
    ::testing::AddGlobalTestEnvironment(new GuiTestEnvironment(argc, argv, options));
}

VirtualDesktop& guiTestDesktop()
{
    return *GuiTestEnvironment::desktop;
}
