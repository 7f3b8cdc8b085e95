#include "FakePlatform.h"
#include "GlobalHotkeyManager.h"
#include "QtPrinters.h"
#include "RecordingSettingsStore.h"
#include "TrayMenu.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>

TEST(TrayMenu, ItemsShortcutsAndActions)
{
    FakeKeyGrabber grabber;
    RecordingSettingsStore store;
    RecordingLogSink log;
    GlobalShortcuts shortcuts(grabber, store);
    GlobalHotkeyManager hotkey(shortcuts, log);
    QStringList done;
    TrayMenu tray(hotkey, {[&] { done << "search"; }, [&] { done << "tour"; }, [&] { done << "settings"; },
                           [&] { done << "quit"; }});

    QStringList items;
    QStringList keys;
    for (QAction* action : tray.menu()->actions()) {
        items << (action->isSeparator() ? "—" : action->text());
        keys << action->shortcut().toString();
    }
    EXPECT_EQ(items, (QStringList{"Відкрити пошук", "—", "Як користуватися…", "Налаштування…", "—", "Вийти"}));
    EXPECT_EQ(keys, (QStringList{"Alt+Space", "", "", "Ctrl+,", "", "Ctrl+Q"}));

    hotkey.changeShortcut(std::nullopt);
    EXPECT_TRUE(tray.menu()->actions().first()->shortcut().isEmpty()) << "no shortcut, no key shown";
    hotkey.changeShortcut(QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_L));
    EXPECT_EQ(tray.menu()->actions().first()->shortcut().toString(), "Ctrl+Shift+L");

    for (QAction* action : tray.menu()->actions())
        action->trigger();
    EXPECT_EQ(done, (QStringList{"search", "tour", "settings", "quit"}));
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
