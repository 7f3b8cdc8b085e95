#include "OnboardingModel.h"

#include "OnboardingTestRig.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

namespace {

using Step = OnboardingModel::Step;

class OnboardingModelTest : public ::testing::Test {
protected:
    OnboardingModelTest() : model(rig.services(), [this] { ++finished; }) { model.start(); }

    OnboardingTestRig rig;
    int finished = 0;
    OnboardingModel model;
};

TEST_F(OnboardingModelTest, StartsAtTheWelcomeWithTheCurrentShortcut)
{
    EXPECT_EQ(model.step(), Step::Welcome);
    EXPECT_TRUE(model.movingForward());
    EXPECT_TRUE(model.permissionGranted());
    EXPECT_EQ(model.keycaps(), (QStringList{"Alt", "Space"}));
    EXPECT_TRUE(model.isDefaultShortcut());
    EXPECT_FALSE(model.hotkeyVerified());
    EXPECT_FALSE(model.practiced());
    EXPECT_TRUE(model.launchAtLogin());
    EXPECT_FALSE(model.currentStepAccomplished());
}

TEST_F(OnboardingModelTest, Navigation)
{
    QSignalSpy direction(&model, &OnboardingModel::movingForwardChanged);
    QSignalSpy steps(&model, &OnboardingModel::stepChanged);

    // Back on the first page and going to the page shown change nothing at all.
    model.back();
    model.go(Step::Welcome);
    EXPECT_EQ(steps.count(), 0);
    EXPECT_EQ(direction.count(), 0);

    model.next();
    EXPECT_EQ(model.step(), Step::Permission);
    EXPECT_TRUE(model.movingForward());
    model.back();
    EXPECT_EQ(model.step(), Step::Welcome);
    EXPECT_FALSE(model.movingForward());

    // Skip always goes forward, to the last page.
    model.go(Step::Practice);
    model.back();
    EXPECT_FALSE(model.movingForward());
    model.skip();
    EXPECT_EQ(model.step(), Step::Done);
    EXPECT_TRUE(model.movingForward());
    EXPECT_EQ(finished, 0);

    // "grant now" on the last page goes back to the permission page.
    model.go(Step::Permission);
    EXPECT_FALSE(model.movingForward());
    model.go(Step::Done);

    // Next on the last page finishes.
    model.next();
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(model.step(), Step::Done);
}

TEST_F(OnboardingModelTest, PermissionIsPolledOnEveryPageUntilStopped)
{
    rig.trusted = false;
    rig.advance(499);
    EXPECT_TRUE(model.permissionGranted());
    rig.advance(1);
    EXPECT_FALSE(model.permissionGranted()) << "a withdrawn permission is seen within half a second";

    model.go(Step::Tips);
    rig.trusted = true;
    rig.advance(500);
    EXPECT_TRUE(model.permissionGranted());

    model.go(Step::Permission);
    EXPECT_TRUE(model.currentStepAccomplished());
    model.stop();
    rig.trusted = false;
    rig.advance(5000);
    EXPECT_TRUE(model.permissionGranted()) << "no polling after stop";
    EXPECT_EQ(rig.scheduler.pendingCount(), 0u);
}

TEST_F(OnboardingModelTest, RequestingThePermissionAsksTheSystem)
{
    model.requestPermission();
    EXPECT_TRUE(model.permissionRequested());
    EXPECT_EQ(rig.calls, (QStringList{"prompt", "settings"}));
}

TEST_F(OnboardingModelTest, PressesAreCountedAndAChangedShortcutMustBeTriedAgain)
{
    model.go(Step::Hotkey);
    model.hotkeyPressed();
    model.hotkeyPressed();
    EXPECT_EQ(model.hotkeyPressCount(), 2);
    EXPECT_TRUE(model.hotkeyVerified());
    EXPECT_TRUE(model.currentStepAccomplished());
    model.setShortcutProblem("зайнято");

    // One of the offered alternatives: the notice reaches the model in a later turn.
    model.useOffered(0);
    EXPECT_EQ(rig.shortcuts.shortcut(GlobalHotkeyManager::shortcutName),
              QKeyCombination(Qt::MetaModifier | Qt::AltModifier, Qt::Key_B));
    rig.advance(0);
    EXPECT_EQ(model.keycaps(), (QStringList{"Meta", "Alt", "B"}));
    EXPECT_FALSE(model.isDefaultShortcut());
    EXPECT_FALSE(model.hotkeyVerified());
    EXPECT_EQ(model.shortcutProblem(), "");
    EXPECT_EQ(model.hotkeyPressCount(), 2) << "the count never drops";

    // A change made elsewhere (the Settings window) is followed the same way.
    model.hotkeyPressed();
    rig.hotkey.changeShortcut(std::nullopt);
    rig.advance(0);
    EXPECT_TRUE(model.keycaps().isEmpty());
    EXPECT_FALSE(model.isDefaultShortcut()) << "none set is not the default";
    EXPECT_FALSE(model.hotkeyVerified());
    EXPECT_EQ(model.shortcutText(), "");

    model.restoreDefaultShortcut();
    rig.advance(0);
    EXPECT_TRUE(model.isDefaultShortcut());
    EXPECT_EQ(model.shortcutText(), "Alt+Space");
    EXPECT_EQ(model.hotkeyPressCount(), 3);
}

TEST_F(OnboardingModelTest, ShortcutNoticesAfterStopAreIgnored)
{
    model.hotkeyPressed();
    rig.hotkey.changeShortcut(std::nullopt);
    model.stop();
    rig.advance(0);
    EXPECT_TRUE(model.hotkeyVerified());
    EXPECT_EQ(model.keycaps(), (QStringList{"Alt", "Space"}));
}

TEST_F(OnboardingModelTest, OfferedShortcutsAreNamedTheWayTheDesktopShowsThem)
{
    EXPECT_EQ(model.offeredTitles(), (QStringList{"Meta+Alt+B", "Meta+Ctrl+Alt+B"}));
    EXPECT_EQ(model.restoreDefaultTitle(), "Повернути Alt+Space");
}

struct RevealCase {
    const char* text;
    qint64 characters;
};

TEST_F(OnboardingModelTest, ThePracticeTextIsRevealedThreeCharactersEvery16Ms)
{
    const RevealCase cases[] = {
        {"abcdefghij", 10},  // ⌈10 / 3⌉ = 4 steps
        {"abc", 3},
        // Characters as the reader sees them: a letter with a combining accent and a
        // family emoji are one each.
        {"о\u0301ко 👨‍👩‍👧 і", 7},
    };
    model.go(Step::Practice);
    for (const RevealCase& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        QList<qint64> seen;
        QObject::connect(&model, &OnboardingModel::practiceRevealedChanged, &model,
                         [&] { seen << model.practiceRevealed(); });
        model.practiceInserted(text);
        rig.advance(1000);
        QObject::disconnect(&model, &OnboardingModel::practiceRevealedChanged, &model, nullptr);

        QList<qint64> expected{0};
        for (qint64 n = 3; n < c.characters; n += 3)
            expected << n;
        expected << c.characters;
        EXPECT_EQ(seen, expected) << c.text;
        EXPECT_EQ(model.revealedText(), text);
    }
}

TEST_F(OnboardingModelTest, AnEmptyInsertionStillCounts)
{
    model.go(Step::Practice);
    model.practiceInserted("");
    EXPECT_TRUE(model.practiced());
    EXPECT_TRUE(model.currentStepAccomplished());
    EXPECT_EQ(model.practiceRevealed(), 0);
    EXPECT_EQ(rig.scheduler.pendingCount(), 1u) << "only the permission poll is left";
}

TEST_F(OnboardingModelTest, ASecondInsertionRestartsTheReveal)
{
    model.practiceInserted("первший текст, досить довгий");
    rig.advance(16);
    EXPECT_EQ(model.practiceRevealed(), 6);
    model.practiceInserted("другий");
    EXPECT_EQ(model.practiceRevealed(), 3);
    EXPECT_EQ(model.confettiTrigger(), 2);
    rig.advance(16);
    EXPECT_EQ(model.practiceRevealed(), 6);
    EXPECT_EQ(model.revealedText(), "другий");
    rig.advance(1000);
    EXPECT_EQ(model.practiceRevealed(), 6) << "the first reveal does not come back";
}

TEST_F(OnboardingModelTest, StoppingEndsTheReveal)
{
    model.practiceInserted("довгий текст для поступового показу");
    model.stop();
    rig.advance(1000);
    EXPECT_EQ(model.practiceRevealed(), 3);
}

TEST_F(OnboardingModelTest, TheLoginItemFollowsTheSwitchOnlyWhenFinished)
{
    // Left on and finished: registered.
    model.go(Step::Done);
    model.next();
    EXPECT_TRUE(rig.loginItem);
    EXPECT_EQ(rig.calls, QStringList{"login=1"});

    // Already as the switch says: nothing to do.
    rig.calls.clear();
    model.finish();
    EXPECT_TRUE(rig.calls.isEmpty());

    // Switched off, and the system refuses: the tour ends all the same.
    rig.loginItemFails = true;
    model.setLaunchAtLogin(false);
    model.finish();
    EXPECT_EQ(rig.calls, QStringList{"login=0"});
    EXPECT_EQ(finished, 3);
}

TEST_F(OnboardingModelTest, AModelStoppedWithoutFinishingLeavesTheLoginItemAlone)
{
    model.skip();
    model.stop();
    EXPECT_FALSE(rig.loginItem);
    EXPECT_TRUE(rig.calls.isEmpty());
}

TEST_F(OnboardingModelTest, OpeningTheSearch)
{
    model.openSearch("Ів 3:16");
    model.openSearchEmpty();
    EXPECT_EQ(rig.searches, (QStringList{"Ів 3:16", "(empty)"}));
}

TEST(OnboardingWelcome, TheLeadNamesTheShippedTranslation)
{
    const std::pair<QString, QString> cases[] = {
        {"Переклад Івана Огієнка", "з перекладу Івана Огієнка"},
        {"Новий переклад", "з перекладу «Новий переклад»"},
        {"", "з Біблії"},
    };
    for (const auto& [translation, source] : cases) {
        EXPECT_EQ(OnboardingModel::welcomeLead(translation),
                  "Знаходьте вірші " + source + " і вставляйте їх у будь-яку програму — не відволікаючись від роботи.")
            << qPrintable(translation);
    }
}

}  // namespace
