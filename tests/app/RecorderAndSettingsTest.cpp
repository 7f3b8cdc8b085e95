#include "FakePlatform.h"
#include "GlobalHotkeyManager.h"
#include "InsertionPreferences.h"
#include "QtPrinters.h"
#include "RecordingSettingsStore.h"
#include "SettingsViewModel.h"
#include "ShortcutRecorder.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

namespace {

constexpr QKeyCombination altSpace(Qt::AltModifier, Qt::Key_Space);

class RecorderTest : public ::testing::Test {
protected:
    RecorderTest() : shortcuts(grabber, store), hotkey(shortcuts, log), preferences(store)
    {
        hotkey.setPanel({[] { return false; }, [this] { ++panelShows; }, [] {}});
        hotkey.start();
    }

    ShortcutRecorder::Services services()
    {
        return {hotkey,
                [](int key, quint32) -> std::optional<Qt::Key> {
                    if (key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta)
                        return std::nullopt;
                    return Qt::Key(key);
                },
                [this](QKeyCombination candidate) {
                    return grabber.takenElsewhere.contains(candidate) ? QList<QKeyCombination>{candidate}
                                                                      : QList<QKeyCombination>{};
                },
                [] { return QStringLiteral("Openbox"); },
                [this] { ++beeps; }};
    }

    bool press(ShortcutRecorder& recorder, Qt::KeyboardModifiers modifiers, Qt::Key key)
    {
        return recorder.keyPressed(key, static_cast<int>(modifiers), 0);
    }

    QString stored() { return store.stringValue(GlobalShortcuts::storageKey("toggleSearchPanel")).value_or("(default)"); }

    FakeKeyGrabber grabber;
    RecordingSettingsStore store;
    RecordingLogSink log;
    GlobalShortcuts shortcuts;
    GlobalHotkeyManager hotkey;
    InsertionPreferences preferences;
    int panelShows = 0;
    int beeps = 0;
};

}  // namespace

TEST_F(RecorderTest, StateTable)
{
    ShortcutRecorder recorder(services());
    QStringList problems;
    QObject::connect(&recorder, &ShortcutRecorder::problemChanged, [&](const QString& p) { problems << p; });
    EXPECT_EQ(recorder.title(), "Alt+Space");

    // idle → recording: the problem clears, the shortcut is suspended.
    recorder.startRecording();
    EXPECT_EQ(problems, QStringList{""});
    EXPECT_TRUE(recorder.isRecording());
    EXPECT_EQ(recorder.title(), "Натисніть комбінацію…");
    EXPECT_TRUE(grabber.grabbed.isEmpty()) << "pressing the shortcut now is recorded, not toggling the panel";
    grabber.release(altSpace);
    EXPECT_EQ(panelShows, 0);

    // A combination the facility cannot form: nothing.
    EXPECT_TRUE(press(recorder, Qt::AltModifier, Qt::Key_Alt));
    EXPECT_TRUE(recorder.isRecording());

    // Refused: reported, beeped, still recording, nothing stored.
    EXPECT_TRUE(press(recorder, Qt::AltModifier, Qt::Key_A));
    EXPECT_EQ(problems.last(), "Alt з літерою чи цифрою друкує спецсимвол — оберіть іншу, наприклад із Meta.");
    EXPECT_EQ(beeps, 1);
    EXPECT_TRUE(recorder.isRecording());
    EXPECT_EQ(stored(), "(default)");

    // Accepted: stored, problem cleared, shortcut live again.
    EXPECT_TRUE(press(recorder, Qt::ControlModifier | Qt::AltModifier, Qt::Key_B));
    EXPECT_FALSE(recorder.isRecording());
    EXPECT_EQ(problems.last(), "");
    EXPECT_EQ(stored(), "Ctrl+Alt+B");
    EXPECT_EQ(recorder.title(), "Ctrl+Alt+B");
    EXPECT_EQ(grabber.grabbed, QList<QKeyCombination>{QKeyCombination(Qt::ControlModifier | Qt::AltModifier, Qt::Key_B)});
    EXPECT_FALSE(press(recorder, Qt::NoModifier, Qt::Key_Z)) << "keys pass when not recording";
}

TEST_F(RecorderTest, EscapeBackspaceFocusAndClear)
{
    ShortcutRecorder recorder(services());
    QStringList problems;
    QObject::connect(&recorder, &ShortcutRecorder::problemChanged, [&](const QString& p) { problems << p; });

    recorder.startRecording();
    press(recorder, Qt::ShiftModifier, Qt::Key_A);
    EXPECT_EQ(problems.last(), "Додайте хоча б одну з клавіш Ctrl, Alt або Meta.");
    press(recorder, Qt::NoModifier, Qt::Key_Escape);
    EXPECT_FALSE(recorder.isRecording());
    EXPECT_EQ(problems.last(), "Додайте хоча б одну з клавіш Ctrl, Alt або Meta.") << "Escape leaves the problem";
    EXPECT_EQ(stored(), "(default)");
    EXPECT_EQ(hotkey.registration(), GlobalShortcuts::Registration::Active);

    recorder.startRecording();
    recorder.focusLost();
    EXPECT_FALSE(recorder.isRecording());
    EXPECT_EQ(stored(), "(default)");

    recorder.startRecording();
    press(recorder, Qt::NoModifier, Qt::Key_Backspace);
    EXPECT_EQ(recorder.title(), "Не задано");
    EXPECT_EQ(stored(), "");
    EXPECT_TRUE(grabber.grabbed.isEmpty()) << "no shortcut until a new one is recorded";

    hotkey.changeShortcut(altSpace);
    recorder.clearShortcut();
    EXPECT_EQ(recorder.title(), "Не задано");
    EXPECT_EQ(stored(), "");
}

TEST_F(RecorderTest, ADesktopCombinationIsRefusedAndAnotherRecorderShowsChanges)
{
    ShortcutRecorder settingsRecorder(services());
    ShortcutRecorder tourRecorder(services());
    QStringList problems;
    QObject::connect(&settingsRecorder, &ShortcutRecorder::problemChanged, [&](const QString& p) { problems << p; });

    grabber.takenElsewhere = {QKeyCombination(Qt::MetaModifier, Qt::Key_Space)};
    settingsRecorder.startRecording();
    press(settingsRecorder, Qt::MetaModifier, Qt::Key_Space);
    EXPECT_EQ(problems.last(), "Цю комбінацію вже використовує Openbox (перемикання мови введення).");

    QSignalSpy tourTitle(&tourRecorder, &ShortcutRecorder::titleChanged);
    press(settingsRecorder, Qt::ControlModifier | Qt::MetaModifier, Qt::Key_K);
    EXPECT_GE(tourTitle.count(), 1);
    EXPECT_EQ(tourRecorder.title(), "Meta+Ctrl+K");

    tourRecorder.startRecording();
    settingsRecorder.startRecording();
    press(settingsRecorder, Qt::ControlModifier | Qt::AltModifier, Qt::Key_J);
    EXPECT_EQ(tourRecorder.title(), "Натисніть комбінацію…") << "a recording control keeps its prompt";
}

TEST_F(RecorderTest, SettingsViewModel)
{
    bool loginEnabled = false;
    bool loginWorks = false;
    int loginCalls = 0;
    SettingsViewModel model({preferences, hotkey, services(), [&] { return loginEnabled; },
                             [&](bool on) {
                                 ++loginCalls;
                                 if (loginWorks)
                                     loginEnabled = on;
                                 return loginWorks;
                             },
                             {}, "Вигаданий переклад", "", ""});
    // The login switch goes back to the real state when the change fails.
    model.setLaunchAtLogin(true);
    EXPECT_FALSE(model.launchAtLogin());
    EXPECT_EQ(loginCalls, 2) << "the value set back passes through once more";
    loginWorks = true;
    model.setLaunchAtLogin(true);
    EXPECT_TRUE(model.launchAtLogin());

    // The template aids.
    preferences.setCustomTemplate("«{text}»");
    model.appendToTemplate("{verse}");
    EXPECT_EQ(preferences.customTemplate(), "«{text}»{verse}");
    const std::pair<QString, QString> examples[] = {
        {"«{text}»{verse}", "«текст вірша»16"},
        {"{book} {chapter}:{verse} — {reference}", "Івана 3:16 — Івана 3:16"},
        {"{verze} {text}", "{verze} текст вірша"},
        {"", ""},
    };
    for (const auto& [templateText, example] : examples)
        EXPECT_EQ(SettingsViewModel::customTemplateExample(templateText), example) << qPrintable(templateText);

    // The About facts and the cheat sheet's shortcut.
    EXPECT_EQ(model.version(), "?");
    EXPECT_TRUE(model.author().contains("Lampstride"));
    EXPECT_EQ(model.translation(), "Вигаданий переклад");
    EXPECT_EQ(model.cheatSheet().size(), 13);
    EXPECT_EQ(model.cheatSheet().first().toMap().value("key"), "Alt+Space");
    hotkey.changeShortcut(std::nullopt);
    EXPECT_EQ(model.hotkeyText(), "не задано");
    EXPECT_EQ(model.cheatSheet().first().toMap().value("key"), "не задано");
    EXPECT_EQ(model.formatKinds().size(), 5);
}
