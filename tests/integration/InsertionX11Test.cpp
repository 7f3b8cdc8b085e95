// The insertion sequence on a real X server: mousepad holds the focus, the harness's
// global shortcut is pressed with xdotool, the text must arrive in mousepad and the
// clipboard must afterwards hold exactly what another client put there before.

#include "VirtualDesktop.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QThread>

namespace {

const QString harness = QStringLiteral(LAMPSTRIDE_BIN_DIR "/insertion_harness");
const QString insertedText = QStringLiteral("Івана 3:16\n«Бог є любов» — об’явлення");

QByteArray pngImage()
{
    QImage image(20, 12, QImage::Format_RGB32);
    image.fill(QColor(200, 160, 40));
    QPainter(&image).fillRect(2, 2, 6, 6, Qt::darkBlue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

bool waitUntil(const std::function<bool()>& condition, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents();
        if (condition())
            return true;
        QThread::msleep(20);
    }
    return condition();
}

// Reads lines the process prints until one starts with `prefix`.
std::optional<QString> waitForLine(QProcess& process, const QString& prefix, int timeoutMs = 10000)
{
    std::optional<QString> found;
    waitUntil([&] {
        process.waitForReadyRead(10);
        while (process.canReadLine()) {
            const QString line = QString::fromUtf8(process.readLine()).trimmed();
            if (line.startsWith(prefix) && !found)
                found = line;
        }
        return found.has_value();
    }, timeoutMs);
    return found;
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// An editor window on the desktop, holding the keyboard focus.
class Editor {
public:
    Editor(VirtualDesktop& desktop, bool windowManager) : m_desktop(desktop)
    {
        m_file = m_dir.filePath("note.txt");
        QFile(m_file).open(QIODevice::WriteOnly);
        m_process = desktop.start("mousepad", {m_file});
        const VirtualDesktop::Run search = desktop.run("xdotool", {"search", "--sync", "--name", "note.txt"}, 15000);
        m_window = QString::fromUtf8(search.out).split(u'\n', Qt::SkipEmptyParts).value(0);
        // Under a window manager the window is activated; without one, focused directly.
        desktop.run("xdotool", {windowManager ? "windowactivate" : "windowfocus", "--sync", m_window}, 5000);
    }
    ~Editor()
    {
        m_process->kill();
        m_process->waitForFinished(2000);
    }

    bool started() const { return !m_window.isEmpty(); }
    QString window() const { return m_window; }

    // Saves with Ctrl+S and returns what the file then holds.
    QString savedText()
    {
        m_desktop.run("xdotool", {"key", "--clearmodifiers", "ctrl+s"});
        QByteArray contents;
        waitUntil([&] { return !(contents = readFile(m_file)).isEmpty(); }, 5000);
        return QString::fromUtf8(contents);
    }

private:
    VirtualDesktop& m_desktop;
    QTemporaryDir m_dir;
    QString m_file;
    QString m_window;
    std::unique_ptr<QProcess> m_process;
};

struct Scenario {
    const char* name;
    bool windowManager;
    bool ukrainianLayout;
};

class InsertionX11 : public ::testing::TestWithParam<Scenario> {};

}  // namespace

TEST_P(InsertionX11, TextArrivesInTheEditorAndTheClipboardComesBack)
{
    const Scenario scenario = GetParam();
    VirtualDesktop::Options options;
    options.windowManager = scenario.windowManager;
    if (scenario.ukrainianLayout) {
        options.keyboardLayout = "us,ua";
        options.keyboardGroup = 1;
    }
    VirtualDesktop desktop(options);
    ASSERT_TRUE(desktop.isRunning()) << qPrintable(desktop.error());
    if (scenario.ukrainianLayout)
        ASSERT_EQ(desktop.keyboardGroup(), 1) << "the Ukrainian layout is the one typing";

    // Another program owns an image on the clipboard.
    const QByteArray image = pngImage();
    QTemporaryDir dir;
    QFile imageFile(dir.filePath("image.png"));
    imageFile.open(QIODevice::WriteOnly);
    imageFile.write(image);
    imageFile.close();
    std::unique_ptr<QProcess> owner =
        desktop.start("xclip", {"-quiet", "-selection", "clipboard", "-t", "image/png", "-i", imageFile.fileName()});
    ASSERT_TRUE(waitUntil([&] { return desktop.run("xclip", {"-selection", "clipboard", "-o", "-t", "image/png"}).out == image; }, 5000));

    Editor editor(desktop, scenario.windowManager);
    ASSERT_TRUE(editor.started());

    std::unique_ptr<QProcess> program = desktop.start(harness, {"--shortcut", "Alt+Space", "--text", insertedText});
    ASSERT_EQ(waitForLine(*program, "ready"), QString("ready")) << program->readAllStandardError().constData();

    desktop.run("xdotool", {"key", "alt+space"});
    const std::optional<QString> fired = waitForLine(*program, "fired");
    ASSERT_TRUE(fired);
    EXPECT_EQ(fired->section(u' ', 1).toULongLong(), editor.window().toULongLong()) << "the editor was the target";

    // The clipboard holds the image again once the restore ran.
    EXPECT_TRUE(waitUntil([&] {
        return desktop.run("xclip", {"-selection", "clipboard", "-o", "-t", "image/png"}).out == image;
    }, 3000)) << "the image comes back byte for byte";
    EXPECT_EQ(editor.savedText(), insertedText) << program->readAllStandardError().constData();

    program->kill();
    program->waitForFinished(2000);
}

INSTANTIATE_TEST_SUITE_P(Desktops, InsertionX11,
                         ::testing::Values(Scenario{"openbox", true, false}, Scenario{"noWindowManager", false, false},
                                           Scenario{"openboxUkrainian", true, true},
                                           Scenario{"noWindowManagerUkrainian", false, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GlobalShortcutX11, AShortcutHeldByAnotherClientIsReportedTaken)
{
    VirtualDesktop desktop({});
    ASSERT_TRUE(desktop.isRunning()) << qPrintable(desktop.error());
    std::unique_ptr<QProcess> first = desktop.start(harness, {"--shortcut", "Ctrl+Alt+K", "--text", "x"});
    ASSERT_EQ(waitForLine(*first, "ready"), QString("ready"));
    std::unique_ptr<QProcess> second = desktop.start(harness, {"--shortcut", "Ctrl+Alt+K", "--text", "x"});
    EXPECT_EQ(waitForLine(*second, "taken"), QString("taken"));
    std::unique_ptr<QProcess> third = desktop.start(harness, {"--shortcut", "Ctrl+Alt+L", "--text", "x"});
    EXPECT_EQ(waitForLine(*third, "ready"), QString("ready")) << "another combination is free";
    for (auto* p : {first.get(), second.get(), third.get()}) {
        p->kill();
        p->waitForFinished(2000);
    }
}

TEST(GlobalShortcutX11, StillFiresAfterTheLayoutSwitches)
{
    VirtualDesktop desktop({false, "us,ua", 0});
    ASSERT_TRUE(desktop.isRunning()) << qPrintable(desktop.error());
    std::unique_ptr<QProcess> program = desktop.start(harness, {"--shortcut", "Alt+Space", "--text", "x"});
    ASSERT_EQ(waitForLine(*program, "ready"), QString("ready"));
    for (int group : {0, 1, 0}) {
        ASSERT_TRUE(desktop.selectKeyboardGroup(group));
        desktop.run("xdotool", {"key", "alt+space"});
        EXPECT_TRUE(waitForLine(*program, "fired", 5000)) << "layout group " << group;
    }
    // Released in either order: Alt first, then Space.
    desktop.run("xdotool", {"keydown", "alt", "keydown", "space", "keyup", "alt", "keyup", "space"});
    EXPECT_TRUE(waitForLine(*program, "fired", 5000)) << "Alt released before Space";
    program->kill();
    program->waitForFinished(2000);
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
