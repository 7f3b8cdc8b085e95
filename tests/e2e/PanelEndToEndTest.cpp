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
        // Every test starts as a new user: default settings, no history; one who has
        // seen the tour, unless the test is about the first start.
        QFile::remove(settingsFile());
        if (!firstStart()) {
            QFile settings(settingsFile());
            settings.open(QIODevice::WriteOnly);
            settings.write("[General]\ncom.lampstride.onboardingVersionSeen=1\n");
        }
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

        startProgram();
    }

    // Starts lampstride, waits until it is ready and gives the editor the focus.
    void startProgram()
    {
        log.clear();
        app = desktop->start(binDir + "/lampstride", {});
        // (The program's keyboard log is read back on failure.)
        ASSERT_TRUE(waitForLog("Lampstride готовий", 15000)) << qPrintable(log);
        xdotool({"windowactivate", "--sync", editorWindow});
    }

    void TearDown() override
    {
        if (HasFailure()) {
            // The whole screen as it was, for whoever reads the failure.
            const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
            grabScreen(desktop->display(), QRect(0, 0, 1280, 800))
                .save(screenshotDir + "/failed-" + QString::fromUtf8(test->name()) + ".png");
            if (app)
                std::fprintf(stderr, "--- lampstride said:\n%s%s\n", qPrintable(log), app->readAllStandardError().constData());
        }
        for (auto* process : {app.get(), editor.get(), clipboardOwner.get()}) {
            if (process) {
                process->kill();
                process->waitForFinished(3000);
            }
        }
    }

    virtual bool firstStart() const { return false; }
    QString settingsFile() const { return desktop->home() + "/config/com.lampstride.Lampstride.ini"; }

    // Waits until the program has said `text` (in all it said so far).
    bool waitForLog(const QString& text, int timeoutMs = 5000)
    {
        return waitUntil([&] {
            app->waitForReadyRead(20);
            log += QString::fromUtf8(app->readAllStandardError());
            return log.contains(text);
        }, timeoutMs);
    }

    void xdotool(const QStringList& arguments) { desktop->run("xdotool", arguments); }
    // One or more keys, separated by spaces ("Tab Tab", "ctrl+c").
    void key(const QString& keys) { xdotool(QStringList{"key", "--delay", "40"} + keys.split(u' ', Qt::SkipEmptyParts)); }
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
    bool insertionFinished(std::optional<QString> before = std::nullopt)
    {
        if (!waitUntil([&] { return panelWindow().isEmpty(); }, 5000))
            return false;
        QThread::msleep(700);
        const QString expected = before.value_or(userClipboard);
        return waitUntil([&] { return clipboard() == expected; }, 3000);
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
    // One xdotool call: the shortcut held as long as a finger holds it (50 ms), then
    // the typing at once, with no pause after the release.
    xdotool({"keydown", "alt", "keydown", "space", "sleep", "0.05", "keyup", "space", "keyup", "alt",
             "type", "--delay", "25", "ів 3:16"});
    ASSERT_TRUE(waitUntil([&] { return !panelWindow().isEmpty(); }, 5000));
    screenshot("09-type-ahead");
    key("Return");
    EXPECT_TRUE(insertionFinished());
    EXPECT_EQ(editorText(), quoted(verse("JHN", 3, 16), "Івана 3:16")) << "no keystroke went to the editor or got lost";
}

namespace {

// The Settings window, driven from the keyboard like the panel.
class SettingsEndToEnd : public PanelEndToEnd {
protected:
    QString settingsWindow()
    {
        return QString::fromUtf8(desktop->run("xdotool", {"search", "--onlyvisible", "--name", "^Налаштування Lampstride$"}).out)
            .split(u'\n', Qt::SkipEmptyParts)
            .value(0);
    }

    // A second start with --settings: the running program opens its window.
    void openSettings()
    {
        const VirtualDesktop::Run second = desktop->run(binDir + "/lampstride", {"--settings"}, 10000);
        EXPECT_EQ(second.exitCode, 0);
        ASSERT_TRUE(waitUntil([&] { return !settingsWindow().isEmpty(); }, 5000)) << "the Settings window opens";
        xdotool({"windowactivate", "--sync", settingsWindow()});
        QThread::msleep(300);
    }

    void windowShot(const QString& window, const QString& name)
    {
        QThread::msleep(250);
        const QImage image = grabScreen(desktop->display(), windowGeometry(desktop->display(), window.toUInt()));
        EXPECT_TRUE(image.save(screenshotDir + "/" + name + ".png")) << qPrintable(name);
    }

    void closeSettings()
    {
        key("Escape");
        ASSERT_TRUE(waitUntil([&] { return settingsWindow().isEmpty(); }, 3000));
        xdotool({"windowactivate", "--sync", editorWindow});
    }

    void restartProgram()
    {
        app->kill();
        app->waitForFinished(3000);
        startProgram();
    }
};

}  // namespace

TEST_F(SettingsEndToEnd, AFormatChosenInSettingsShapesTheNextInsertion)
{
    openSettings();
    windowShot(settingsWindow(), "10-settings-general");
    key("Tab Tab Tab Tab");  // the login switch, the shortcut, its clear button, verse numbers, the format
    key("Down");             // "Посилання + текст"
    windowShot(settingsWindow(), "11-settings-format-chosen");
    closeSettings();

    openPanel();
    type("ів 3:16");
    key("Return");
    EXPECT_TRUE(insertionFinished());
    QString text = verse("JHN", 3, 16);
    text.chop(1);
    EXPECT_EQ(editorText(), "Івана 3:16 — «" + text + "»");
}

TEST_F(SettingsEndToEnd, ARecordedShortcutWorksAndSurvivesARestart)
{
    openSettings();
    key("Tab");        // the shortcut's button
    key("space");      // start recording
    key("alt+a");      // refused: Alt with a letter
    windowShot(settingsWindow(), "12-settings-refused-shortcut");
    key("ctrl+alt+b");
    windowShot(settingsWindow(), "13-settings-new-shortcut");
    key("ctrl+Tab");
    windowShot(settingsWindow(), "14-settings-about");
    closeSettings();

    key("ctrl+alt+b");
    ASSERT_TRUE(waitUntil([&] { return !panelWindow().isEmpty(); }, 5000)) << "the new shortcut opens the panel";
    type("ів 3:16");
    key("Return");
    EXPECT_TRUE(insertionFinished());

    restartProgram();
    EXPECT_TRUE(log.contains("Ctrl+Alt+B відкриває пошук")) << qPrintable(log);
    // The first program held the restored clipboard; with it gone (and no clipboard
    // manager on this desktop) the clipboard is whatever X11 left: it must stay so.
    const QString clipboardNow = clipboard();
    key("alt+space");
    QThread::msleep(500);
    EXPECT_TRUE(panelWindow().isEmpty()) << "the old shortcut is free again";
    key("ctrl+alt+b");
    ASSERT_TRUE(waitUntil([&] { return !panelWindow().isEmpty(); }, 5000));
    type("ів 3:16");
    key("Return");
    EXPECT_TRUE(insertionFinished(clipboardNow));
    const QString once = quoted(verse("JHN", 3, 16), "Івана 3:16");
    EXPECT_EQ(editorText(), once + once);
}

TEST_F(SettingsEndToEnd, OneProgramPerUserAndNoTrayHostIsFine)
{
    EXPECT_EQ(log.count("Системного лотка немає"), 1) << "said once: " << qPrintable(log);
    const VirtualDesktop::Run second = desktop->run(binDir + "/lampstride", {}, 10000);
    EXPECT_EQ(second.exitCode, 0) << "the second start hands over and exits";
    EXPECT_TRUE(waitUntil([&] { return !panelWindow().isEmpty(); }, 5000)) << "and the first shows its panel";
    key("Escape");
}

namespace {

// A new user's first start: the tour opens over the editor.
class TourEndToEnd : public SettingsEndToEnd {
protected:
    bool firstStart() const override { return true; }

    QString tourWindow()
    {
        return QString::fromUtf8(desktop->run("xdotool", {"search", "--onlyvisible", "--name", "^Знайомство з Lampstride$"}).out)
            .split(u'\n', Qt::SkipEmptyParts)
            .value(0);
    }

    void activateTour()
    {
        ASSERT_TRUE(waitUntil([&] { return !tourWindow().isEmpty(); }, 5000)) << "the tour is open";
        xdotool({"windowactivate", "--sync", tourWindow()});
        QThread::msleep(150);
    }

    // The footer's forward button sits at the window's lower right corner.
    void clickForward()
    {
        activateTour();
        xdotool({"mousemove", "--window", tourWindow(), "676", "504", "click", "1"});
    }

    void expectPage(const char* name)
    {
        EXPECT_TRUE(waitForLog(QStringLiteral("сторінка: ") + name)) << name << "\n" << qPrintable(log);
    }

    // Return on the tour, pressed again if a busy machine delivered it before the
    // window had the keyboard.
    void returnToPage(const char* name)
    {
        for (int attempt = 0; attempt < 3; ++attempt) {
            activateTour();
            key("Return");
            if (waitForLog(QStringLiteral("сторінка: ") + name, 1500))
                return;
        }
        ADD_FAILURE() << "Return did not lead to " << name << "\n" << qPrintable(log);
    }

    // A page once its entrance has played.
    void tourShot(const QString& name, int settleMs = 1800)
    {
        QThread::msleep(settleMs);
        const QString window = tourWindow();
        ASSERT_FALSE(window.isEmpty()) << "no tour to photograph for " << qPrintable(name);
        const QImage image = grabScreen(desktop->display(), windowGeometry(desktop->display(), window.toUInt()));
        EXPECT_TRUE(image.save(screenshotDir + "/" + name + ".png")) << qPrintable(name);
    }

    QString storedSettings()
    {
        QFile file(settingsFile());
        file.open(QIODevice::ReadOnly);
        return QString::fromUtf8(file.readAll());
    }
};

}  // namespace

TEST_F(TourEndToEnd, TheShortcutPageCountsPressesAndThePracticeNoteReceivesTheVerse)
{
    activateTour();
    expectPage("welcome");
    tourShot("20-tour-welcome");
    returnToPage("permission");
    tourShot("21-tour-permission");
    returnToPage("hotkey");
    tourShot("22-tour-shortcut");

    // Pressed here, the shortcut is counted and the panel stays closed.
    key("alt+space");
    EXPECT_TRUE(waitForLog("натискань: 1")) << qPrintable(log);
    key("alt+space");
    EXPECT_TRUE(waitForLog("натискань: 2")) << qPrintable(log);
    QThread::msleep(300);
    EXPECT_TRUE(panelWindow().isEmpty()) << "the panel did not open";
    tourShot("23-tour-shortcut-verified", 600);
    activateTour();
    key("Return");
    QThread::msleep(300);
    EXPECT_FALSE(log.contains("сторінка: practice")) << "Return does not leave the shortcut page";

    clickForward();
    expectPage("practice");
    tourShot("24-tour-practice");

    // The first example opens the real panel with its query typed in.
    activateTour();
    key("Tab");
    key("space");
    ASSERT_TRUE(waitUntil([&] { return !panelWindow().isEmpty(); }, 5000)) << "the example opens the panel";
    QThread::msleep(400);
    screenshot("25-tour-practice-panel");
    key("Return");
    const QString verseText = quoted(verse("JHN", 3, 16), "Івана 3:16");
    EXPECT_TRUE(waitForLog("вставка в нотатку туру: " + verseText)) << qPrintable(log);
    EXPECT_TRUE(waitUntil([&] { return panelWindow().isEmpty(); }, 3000));
    tourShot("26-tour-practice-confetti", 250);
    tourShot("27-tour-practice-done", 1500);

    // Nothing went anywhere else: not into the editor, not through the clipboard.
    EXPECT_FALSE(log.contains("Lampstride.insertion:")) << "no insertion began: " << qPrintable(log);
    EXPECT_EQ(clipboard(), userClipboard);
    xdotool({"windowactivate", "--sync", editorWindow});
    key("ctrl+s");
    QThread::msleep(500);
    QFile note(this->note);
    note.open(QIODevice::ReadOnly);
    EXPECT_TRUE(note.readAll().isEmpty()) << "the editor got nothing";

    // Closed the way the title bar's close button closes it: the tour counts as seen.
    bool closed = false;
    for (int attempt = 0; attempt < 3 && !closed; ++attempt) {
        requestClose(desktop->display(), tourWindow().toUInt());
        closed = waitUntil([&] { return tourWindow().isEmpty(); }, 1500);
    }
    EXPECT_TRUE(closed);
    EXPECT_TRUE(waitUntil([&] { return storedSettings().contains("onboardingVersionSeen=1"); }, 2000))
        << qPrintable(storedSettings());
}

TEST_F(TourEndToEnd, FinishingRecordsTheTourAndTheNextStartDoesNotOpenIt)
{
    returnToPage("permission");
    returnToPage("hotkey");
    clickForward();
    expectPage("practice");
    clickForward();
    expectPage("tips");
    tourShot("28-tour-tips", 2500);
    tourShot("29-tour-tips-chapter", 5500);
    clickForward();
    expectPage("done");
    tourShot("30-tour-done");
    EXPECT_FALSE(storedSettings().contains("onboardingVersionSeen")) << "not before the tour closes";

    // The final button: the window fades out and closes; the login item stays as it
    // was chosen on the page (left on, so now registered).
    bool closed = false;
    for (int attempt = 0; attempt < 3 && !closed; ++attempt) {
        activateTour();
        key("Return");
        closed = waitUntil([&] { return tourWindow().isEmpty(); }, 2000);
    }
    EXPECT_TRUE(closed) << "the final button closes the tour";
    EXPECT_TRUE(waitUntil([&] { return storedSettings().contains("onboardingVersionSeen=1"); }, 2000));
    EXPECT_TRUE(QFile::exists(desktop->home() + "/config/autostart/com.lampstride.Lampstride.desktop"));

    restartProgram();
    QThread::msleep(1500);
    EXPECT_TRUE(tourWindow().isEmpty()) << "the next start does not open the tour";
    EXPECT_FALSE(log.contains("сторінка: welcome")) << qPrintable(log);
    QFile::remove(desktop->home() + "/config/autostart/com.lampstride.Lampstride.desktop");
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
