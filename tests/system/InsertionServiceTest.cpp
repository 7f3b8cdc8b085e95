#include "AccessibilityManager.h"
#include "ClipboardService.h"
#include "FakePasteboard.h"
#include "FakePlatform.h"
#include "InsertionService.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

class InsertionServiceTest : public ::testing::Test {
protected:
    InsertionServiceTest()
        : windows(clock), input(clock), clipboard(pasteboard), accessibility(input, log),
          service({clipboard, accessibility, windows, input, clock, log})
    {
        PasteboardItem before;
        before.set("text/html", "<b>моє</b>");
        pasteboard.items = {before};
        start = clock.now();
    }

    // Times relative to the insertion, in milliseconds.
    QList<long> since(const QList<Scheduler::Duration>& times) const
    {
        QList<long> result;
        for (Scheduler::Duration t : times)
            result.append(static_cast<long>((t - start).count()));
        return result;
    }

    bool userContentIsBack() const { return pasteboard.items.size() == 1 && pasteboard.types(0) == QStringList{"text/html"}; }

    FakeScheduler clock;
    FakeWindowSystem windows;
    FakeSyntheticInput input;
    FakePasteboard pasteboard;
    ClipboardService clipboard;
    RecordingLogSink log;
    AccessibilityManager accessibility;
    InsertionService service;
    Scheduler::Duration start;
    const AppWindow editor{0x1400003, 777, "нотатки.txt - Mousepad", "Mousepad"};
};

}  // namespace

TEST_F(InsertionServiceTest, TargetAlreadyActive)
{
    windows.activeFrom = start;
    service.insert("Івана 3:16", editor);
    EXPECT_EQ(pasteboard.text(), "Івана 3:16") << "on the clipboard at once";
    EXPECT_EQ(since(windows.activations), QList<long>{0});
    clock.advance(49ms);
    EXPECT_TRUE(input.pastes.isEmpty());
    clock.advance(1s);
    EXPECT_EQ(since(windows.checks), QList<long>{0}) << "exactly one check";
    EXPECT_EQ(since(input.pastes), QList<long>{50});
    EXPECT_TRUE(userContentIsBack());
    EXPECT_EQ(log.lines, (QStringList{
                             "insertion/default: Активую нотатки.txt - Mousepad (pid 777) і чекаю підтвердження",
                             "insertion/default: нотатки.txt - Mousepad активний — надсилаю Ctrl+V за 50мс",
                         }));
}

TEST_F(InsertionServiceTest, RestoreComesAt400msFromTheDecision)
{
    windows.activeFrom = start + 60ms;
    service.insert("текст", editor);
    clock.advance(459ms);
    EXPECT_FALSE(userContentIsBack());
    clock.advance(1ms);
    EXPECT_TRUE(userContentIsBack()) << "decision at 60 ms (fourth check), restore at 460 ms";
    EXPECT_EQ(since(windows.checks), (QList<long>{0, 20, 40, 60}));
    EXPECT_EQ(since(input.pastes), QList<long>{110});
}

TEST_F(InsertionServiceTest, TargetNeverActive)
{
    windows.activeFrom.reset();
    service.insert("текст", editor);
    clock.advance(2s);
    const QList<long> checks = since(windows.checks);
    ASSERT_EQ(checks.size(), 31);
    EXPECT_EQ(checks.first(), 0);
    EXPECT_EQ(checks.last(), 600) << "every 20 ms until the deadline";
    EXPECT_EQ(since(input.pastes), QList<long>{650}) << "pasted anyway";
    EXPECT_TRUE(userContentIsBack()) << "restored at about 1 s";
    EXPECT_EQ(log.lines.last(),
              "insertion/error: Не дочекався активації нотатки.txt - Mousepad за 0.6с — все одно пробую Ctrl+V");
}

TEST_F(InsertionServiceTest, NothingToGiveTheFocusTo)
{
    const std::pair<std::optional<AppWindow>, QString> cases[] = {
        {std::nullopt, "insertion/error: previousApp == nil — нема кому повертати фокус, текст лишається в буфері"},
        {AppWindow{0x800001, 4242, "Lampstride", "lampstride"},
         "insertion/error: previousApp виявився самим Lampstride — пропускаю вставку, щоб не зациклитись"},
    };
    for (const auto& [target, message] : cases) {
        log.lines.clear();
        service.insert("лишається", target);
        clock.advance(2s);
        EXPECT_EQ(log.lines, QStringList{message});
        EXPECT_TRUE(windows.activations.isEmpty());
        EXPECT_TRUE(input.pastes.isEmpty());
        EXPECT_EQ(pasteboard.text(), "лишається") << "the text stays for pasting by hand";
        EXPECT_TRUE(pasteboard.types(0).contains("org.nspasteboard.TransientType"));
    }
    clipboard.restorePreviousIfNeeded();
    EXPECT_TRUE(userContentIsBack()) << "the snapshot of the user's content was kept";
}

TEST_F(InsertionServiceTest, NoPermissionToType)
{
    input.available = false;
    service.insert("вручну", editor);
    clock.advance(2s);
    EXPECT_TRUE(windows.activations.isEmpty());
    EXPECT_TRUE(input.pastes.isEmpty());
    EXPECT_EQ(pasteboard.text(), "вручну");
    EXPECT_TRUE(clipboard.hasSnapshot()) << "no restore is scheduled";
    EXPECT_EQ(log.lines.first(),
              "insertion/default: Синтетичне введення не дозволено (X-сервер без XTest) — текст лишається в буфері");
    service.insert("ще раз", editor);
    EXPECT_EQ(log.lines.filter("налаштуваннях").size(), 1) << "the explanation is logged once";
}

TEST_F(InsertionServiceTest, TheUsersCopyWinsOverAPendingRestore)
{
    windows.activeFrom = start;
    service.insert("вставка", editor);
    clock.advance(100ms);
    clipboard.copy("скопійовано в панелі");
    clock.advance(1s);
    EXPECT_EQ(pasteboard.text(), "скопійовано в панелі");
}

TEST_F(InsertionServiceTest, ANamelessWindowIsLoggedByItsClass)
{
    windows.activeFrom = start;
    service.insert("x", AppWindow{5, 99, "", "Gedit"});
    service.insert("x", AppWindow{6, 98, "", ""});
    EXPECT_EQ(log.lines[0], "insertion/default: Активую Gedit (pid 99) і чекаю підтвердження");
    EXPECT_EQ(log.lines[1], "insertion/default: ? активний — надсилаю Ctrl+V за 50мс");
    EXPECT_EQ(log.lines[2], "insertion/default: Активую ? (pid 98) і чекаю підтвердження");
}
