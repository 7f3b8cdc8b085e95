#include "OnboardingController.h"

#include "OnboardingTestRig.h"

#include <gtest/gtest.h>

namespace {

using Step = OnboardingModel::Step;

// The tour window as the controller sees it; closing it reports to the owner as the
// real window does.
class FakeTourWindow : public TourWindow {
public:
    FakeTourWindow(OnboardingController& owner, QStringList& events) : m_owner(owner), m_events(events) {}
    ~FakeTourWindow() override { m_events << "window gone"; }

    void present() override
    {
        visible = true;
        m_events << "present";
    }
    bool isVisible() const override { return visible; }
    void fadeOutAndClose() override { m_events << "fade out"; }
    void closeByUser() { m_owner.windowClosed(); }

    bool visible = false;

private:
    OnboardingController& m_owner;
    QStringList& m_events;
};

class OnboardingControllerTest : public ::testing::Test {
protected:
    OnboardingControllerTest()
        : controller({rig.services(), rig.store, [this](OnboardingModel&, OnboardingController& owner) {
                          auto made = std::make_unique<FakeTourWindow>(owner, events);
                          window = made.get();
                          return made;
                      }})
    {
    }

    OnboardingTestRig rig;
    QStringList events;
    FakeTourWindow* window = nullptr;
    OnboardingController controller;
};

TEST_F(OnboardingControllerTest, WithNoTourBothHooksAnswerNo)
{
    EXPECT_FALSE(controller.isVisible());
    EXPECT_FALSE(controller.interceptHotkey());
    EXPECT_FALSE(controller.consumeInsertion("текст"));
    EXPECT_EQ(controller.model(), nullptr);
}

TEST_F(OnboardingControllerTest, OpeningStartsAFreshTourAndShowingAgainKeepsIt)
{
    controller.show();
    ASSERT_NE(controller.model(), nullptr);
    EXPECT_TRUE(controller.isVisible());
    EXPECT_EQ(events, QStringList{"present"});
    EXPECT_EQ(rig.scheduler.pendingCount(), 1u) << "the model was started: its permission poll waits";

    controller.model()->go(Step::Practice);
    OnboardingModel* first = controller.model();
    controller.show();
    EXPECT_EQ(controller.model(), first);
    EXPECT_EQ(controller.model()->step(), Step::Practice) << "the open tour keeps its page";

    window->closeByUser();
    EXPECT_EQ(controller.model(), nullptr);
    controller.show();
    EXPECT_EQ(controller.model()->step(), Step::Welcome) << "a new opening starts from the beginning";
}

TEST_F(OnboardingControllerTest, AHeldWindowThatIsNotShownCountsAsNoTour)
{
    controller.show();
    controller.model()->go(Step::Hotkey);
    window->visible = false;
    EXPECT_FALSE(controller.interceptHotkey());
    EXPECT_FALSE(controller.consumeInsertion("текст"));

    // Showing again builds a new tour in place of the hidden one.
    controller.show();
    EXPECT_EQ(controller.model()->step(), Step::Welcome);
    EXPECT_TRUE(events.contains("window gone"));
}

TEST_F(OnboardingControllerTest, TheShortcutPageTakesEveryPress)
{
    controller.show();
    OnboardingModel& model = *controller.model();
    for (int step = Step::Welcome; step <= Step::Done; ++step) {
        model.go(step);
        EXPECT_EQ(controller.interceptHotkey(), step == Step::Hotkey) << step;
    }
    model.go(Step::Hotkey);
    EXPECT_TRUE(controller.interceptHotkey());
    EXPECT_EQ(model.hotkeyPressCount(), 2);
    EXPECT_TRUE(model.hotkeyVerified());
}

TEST_F(OnboardingControllerTest, ThePracticePageTakesTheInsertionAndComesToTheFront)
{
    controller.show();
    OnboardingModel& model = *controller.model();
    for (int step = Step::Welcome; step <= Step::Done; ++step) {
        model.go(step);
        events.clear();
        const bool taken = controller.consumeInsertion("«вірш» (Ів 3:16)");
        EXPECT_EQ(taken, step == Step::Practice) << step;
        EXPECT_EQ(events, taken ? QStringList{"present"} : QStringList{}) << step;
    }
    EXPECT_EQ(model.practiceText(), "«вірш» (Ів 3:16)");
    EXPECT_EQ(model.confettiTrigger(), 1);
}

TEST_F(OnboardingControllerTest, EveryCloseRecordsTheTourAsSeen)
{
    // The final button: the window fades out, then closes.
    controller.show();
    controller.model()->go(Step::Done);
    controller.model()->next();
    EXPECT_TRUE(events.contains("fade out"));
    EXPECT_FALSE(rig.store.integerValue(OnboardingController::versionSeenKey).has_value()) << "not before it closed";
    window->closeByUser();
    EXPECT_EQ(rig.store.integerValue(OnboardingController::versionSeenKey), 1);

    // Closed from the title bar after Skip: recorded too; the login item untouched.
    rig.store.setInteger(OnboardingController::versionSeenKey, 0);
    rig.calls.clear();
    controller.show();
    controller.model()->skip();
    window->closeByUser();
    EXPECT_EQ(rig.store.integerValue(OnboardingController::versionSeenKey), 1);
    EXPECT_TRUE(rig.calls.isEmpty()) << "the login item is left as it was";
    EXPECT_EQ(rig.scheduler.pendingCount(), 0u) << "the closed tour's model no longer polls";
}

TEST(OnboardingLaunch, OpensUntilVersionOneWasSeen)
{
    const std::pair<std::optional<qint64>, bool> cases[] = {
        {std::nullopt, true}, {0, true}, {-3, true}, {1, false}, {2, false},
    };
    for (const auto& [stored, opens] : cases) {
        MemorySettingsStore store;
        if (stored)
            store.setInteger(OnboardingController::versionSeenKey, *stored);
        EXPECT_EQ(OnboardingController::shouldShowOnLaunch(store), opens) << stored.value_or(-99);
    }
}

}  // namespace
