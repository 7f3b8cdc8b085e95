// The whole program the way a user works with it: a private X server with openbox and
// a Ukrainian keyboard layout, mousepad as the editor, lampstride running, everything
// driven from outside with xdotool. Each test saves a screenshot of the panel under
// build/screenshots.

#include "BibleSource.h"
#include "Screenshot.h"
#include "VirtualDesktop.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

namespace {

const QString binDir = QStringLiteral(LAMPSTRIDE_BIN_DIR);
const QString screenshotDir = QStringLiteral(LAMPSTRIDE_SCREENSHOT_DIR);

QString verse(const char* code, int chapter, int number)
{
    return sourceVerse(QStringLiteral(LAMPSTRIDE_BIBLE_TSV), code, chapter, number);
}

// The default format: «text» (reference), the text's final full stop dropped.
QString quoted(const QString& text, const QString& reference)
{
    QString body = text;
    if (body.endsWith(u'.'))
        body.chop(1);
    return u'«' + body + QStringLiteral("» (") + reference + u')';
}

bool waitUntil(const std::function<bool()>& condition, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (condition())
            return true;
        QThread::msleep(25);
    }
    return condition();
}

class PanelEndToEnd : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        desktop = new VirtualDesktop({true, "us,ua", 1});
        QDir().mkpath(screenshotDir);
    }
    static void TearDownTestSuite()
    {
        delete desktop;
        desktop = nullptr;
    }

    void SetUp() override
    {
        ASSERT_TRUE(desktop->isRunning()) << qPrintable(desktop->error());
        ASSERT_EQ(desktop->keyboardGroup(), 1) << "the Ukrainian layout types";
        // Every test starts as a new user: default settings, no history.
        QFile::remove(desktop->home() + "/config/com.lampstride.Lampstride.ini");
        // The user's own clipboard content, to be found again after every insertion.
        QFile own(dir.filePath("own.txt"));
        own.open(QIODevice::WriteOnly);
        own.write(userClipboard.toUtf8());
        own.close();
        clipboardOwner = desktop->start("xclip", {"-quiet", "-selection", "clipboard", "-i", own.fileName()});

        note = dir.filePath("note.txt");
        QFile(note).open(QIODevice::WriteOnly);
        editor = desktop->start("mousepad", {note});
        editorWindow = QString::fromUtf8(desktop->run("xdotool", {"search", "--sync", "--name", "note.txt"}, 15000).out)
                           .split(u'\n', Qt::SkipEmptyParts)
                           .value(0);
        ASSERT_FALSE(editorWindow.isEmpty());

        app = desktop->start(binDir + "/lampstride", {});
        // (The program's keyboard log is read back on failure.)
        ASSERT_TRUE(waitUntil([&] {
            app->waitForReadyRead(20);
            log += QString::fromUtf8(app->readAllStandardError());
            return log.contains("Lampstride готовий");
        }, 15000)) << qPrintable(log);
        desktop->run("xdotool", {"windowactivate", "--sync", editorWindow});
    }

    void TearDown() override
    {
        if (HasFailure() && app)
            std::fprintf(stderr, "--- lampstride said:\n%s%s\n", qPrintable(log), app->readAllStandardError().constData());
        for (auto* process : {app.get(), editor.get(), clipboardOwner.get()}) {
            if (process) {
                process->kill();
                process->waitForFinished(3000);
            }
        }
    }

    void xdotool(const QStringList& arguments) { desktop->run("xdotool", arguments); }
    void key(const QString& keys) { xdotool({"key", "--delay", "40", keys}); }
    void type(const QString& text) { xdotool({"type", "--delay", "40", text}); }

    // Opens the panel with the shortcut and waits until it is on screen.
    void openPanel()
    {
        key("alt+space");
        ASSERT_TRUE(waitUntil([&] { return !panelWindow().isEmpty(); }, 5000)) << "the panel shows";
        QThread::msleep(100);
    }

    QString panelWindow()
    {
        return QString::fromUtf8(desktop->run("xdotool", {"search", "--onlyvisible", "--name", "^Lampstride$"}).out)
            .split(u'\n', Qt::SkipEmptyParts)
            .value(0);
    }

    void screenshot(const QString& name)
    {
        QThread::msleep(250);  // let the last frame and any animation finish
        const QString window = panelWindow();
        ASSERT_FALSE(window.isEmpty()) << "no panel to photograph for " << qPrintable(name);
        const QRect area = windowGeometry(desktop->display(), window.toUInt());
        const QImage image = grabScreen(desktop->display(), area.adjusted(-12, -12, 12, 12));
        EXPECT_TRUE(image.save(screenshotDir + "/" + name + ".png")) << qPrintable(name);
    }

    // What mousepad holds, saved with Ctrl+S (asked again if a busy machine lost it).
    QString editorText()
    {
        QString text;
        for (int attempt = 0; attempt < 3 && text.isEmpty(); ++attempt) {
            xdotool({"windowactivate", "--sync", editorWindow});
            key("ctrl+s");
            waitUntil([&] {
                QFile file(note);
                file.open(QIODevice::ReadOnly);
                text = QString::fromUtf8(file.readAll());
                return !text.isEmpty();
            }, 1500);
        }
        return text;
    }

    QString clipboard() { return QString::fromUtf8(desktop->run("xclip", {"-selection", "clipboard", "-o"}).out); }

    // After Return: the panel hides as the insertion starts; the paste follows within
    // 0.6 s and the user's clipboard comes back 0.4 s after the paste decision.
    bool insertionFinished()
    {
        if (!waitUntil([&] { return panelWindow().isEmpty(); }, 5000))
            return false;
        QThread::msleep(700);
        return waitUntil([&] { return clipboard() == userClipboard; }, 3000);
    }

    static VirtualDesktop* desktop;
    const QString userClipboard = QStringLiteral("мій власний буфер");
    QTemporaryDir dir;
    QString note;
    QString editorWindow;
    QString log;
    std::unique_ptr<QProcess> clipboardOwner;
    std::unique_ptr<QProcess> editor;
    std::unique_ptr<QProcess> app;
};

VirtualDesktop* PanelEndToEnd::desktop = nullptr;

}  // namespace

TEST_F(PanelEndToEnd, AReferenceGoesIntoTheEditorAndTheClipboardComesBack)
{
    openPanel();
    type("ів 3:16");
    screenshot("01-reference");
    key("Return");
    EXPECT_TRUE(insertionFinished()) << "the user's clipboard is back: " << qPrintable(clipboard());
    EXPECT_EQ(editorText(), quoted(verse("JHN", 3, 16), "Івана 3:16"));
    EXPECT_TRUE(panelWindow().isEmpty()) << "the panel hides after inserting";
}

TEST_F(PanelEndToEnd, APsalmPickedFromItsChapter)
{
    openPanel();
    type("пс 23:");
    key("Down");
    key("Down");
    screenshot("02-chapter-verses");
    key("Return");
    EXPECT_TRUE(insertionFinished());
    EXPECT_EQ(editorText(), quoted(verse("PSA", 23, 3), "Псалми 23:3"));
}

TEST_F(PanelEndToEnd, SeveralWordResultsAtOnce)
{
    openPanel();
    type("пастир");
    key("shift+Down");
    screenshot("03-word-search-selection");
    key("Return");
    EXPECT_TRUE(insertionFinished());
    const QStringList lines = editorText().split(u'\n');
    ASSERT_EQ(lines.size(), 2) << "two results, one line feed between them";
    EXPECT_TRUE(lines[0].startsWith(u'«') && lines[0].endsWith(u')'));
    EXPECT_TRUE(lines[1].startsWith(u'«') && lines[1].endsWith(u')'));
}

TEST_F(PanelEndToEnd, AStretchOfVersesFromTheChapterView)
{
    openPanel();
    type("ів 3:16");
    key("Right");
    key("shift+Down");
    key("shift+Down");
    screenshot("04-chapter-stretch");
    key("Return");
    EXPECT_TRUE(insertionFinished());
    const QString stretch = verse("JHN", 3, 16) + u' ' + verse("JHN", 3, 17) + u' ' + verse("JHN", 3, 18);
    EXPECT_EQ(editorText(), quoted(stretch, "Івана 3:16–18"));
}

TEST_F(PanelEndToEnd, CtrlCCopiesWithoutInserting)
{
    openPanel();
    type("1 кор 13:13");
    key("ctrl+c");
    screenshot("05-copied");
    EXPECT_TRUE(waitUntil([&] { return clipboard() == quoted(verse("1CO", 13, 13), "1 Коринтян 13:13"); }, 3000))
        << qPrintable(clipboard());
    EXPECT_FALSE(panelWindow().isEmpty()) << "copying leaves the panel open";
    key("Escape");
    key("alt+space");
    QThread::msleep(600);
    EXPECT_EQ(editorText().isEmpty(), true) << "nothing reached the editor";
}

TEST_F(PanelEndToEnd, EscapeClearsAndDownShowsTheHistory)
{
    openPanel();
    type("ів 3:16");
    key("Return");
    ASSERT_TRUE(insertionFinished());
    openPanel();
    type("пс 23");
    key("Escape");
    screenshot("06-cleared");
    key("Down");
    screenshot("07-history");
    key("Return");  // runs the recent query
    key("Return");  // and inserts its verse
    EXPECT_TRUE(insertionFinished());
    const QString once = quoted(verse("JHN", 3, 16), "Івана 3:16");
    EXPECT_EQ(editorText(), once + once);
}

TEST_F(PanelEndToEnd, HoldingEqualsSwitchesVerseNumbers)
{
    openPanel();
    type("ів 3:16");
    xdotool({"keydown", "equal"});
    QThread::msleep(800);
    xdotool({"keyup", "equal"});
    screenshot("08-numbers-badge");
    key("Return");
    EXPECT_TRUE(insertionFinished());
    EXPECT_EQ(editorText(), "16. " + verse("JHN", 3, 16) + "\n\nІвана 3:16");
}

TEST_F(PanelEndToEnd, TextTypedRightAfterTheShortcutArrivesWhole)
{
    // One xdotool call: no pause between the shortcut and the typing.
    xdotool({"key", "alt+space", "type", "--delay", "12", "ів 3:16"});
    ASSERT_TRUE(waitUntil([&] { return !panelWindow().isEmpty(); }, 5000));
    screenshot("09-type-ahead");
    key("Return");
    EXPECT_TRUE(insertionFinished());
    EXPECT_EQ(editorText(), quoted(verse("JHN", 3, 16), "Івана 3:16")) << "no keystroke went to the editor or got lost";
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
