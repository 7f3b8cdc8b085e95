#include "FakePlatform.h"
#include "FixturePanelServices.h"
#include "SearchPanelController.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

using namespace std::chrono_literals;

namespace {

class FakePanelWindow : public PanelWindow {
public:
    bool visible = false;
    QRect geometry{0, 0, 560, 90};
    std::optional<QRect> screen = QRect(0, 0, 1000, 800);
    bool caretAtEnd = true;
    int shows = 0;

    bool isVisible() const override { return visible; }
    void showAndFocus() override
    {
        visible = true;
        ++shows;
    }
    void hide() override { visible = false; }
    QRect frame() const override { return geometry; }
    void setFrame(const QRect& frame) override { geometry = frame; }
    std::optional<QRect> screenArea() const override { return screen; }
    bool isCaretAtEndOfQuery() const override { return caretAtEnd; }
    quint64 nativeId() const override { return 7; }
};

class CountingHold : public KeystrokeHold {
public:
    int holds = 0;
    int releases = 0;
    void hold(quint64 window) override
    {
        ++holds;
        heldFor = window;
    }
    quint64 heldFor = 0;
    void release() override { ++releases; }
};

class SearchPanelControllerTest : public ::testing::Test, protected FixturePanelServices {
protected:
    SearchPanelControllerTest() : windows(clock)
    {
        windows.frontmost = editor;
        controller = std::make_unique<SearchPanelController>(
            panelServices(),
            SearchPanelController::Services{
                windows, clock, log, preferences,
                [this](SearchPanelController&) {
                    auto window = std::make_unique<FakePanelWindow>();
                    panel = window.get();
                    return window;
                },
                [this](const QString& text, const std::optional<AppWindow>& target) {
                    inserted.append({text, target});
                },
                [this](const QString&) { return tourTakesInsertions; },
                &keystrokes});
    }

    bool key(PanelKey k, Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool release = false, bool repeat = false)
    {
        return controller->handleKey({release ? PanelKeyEvent::Type::Release : PanelKeyEvent::Type::Press, k,
                                      modifiers, repeat});
    }

    SearchPanelState& state() { return controller->state(); }

    FakeScheduler clock;
    FakeWindowSystem windows;
    RecordingLogSink log;
    CountingHold keystrokes;
    FakePanelWindow* panel = nullptr;
    QList<std::pair<QString, std::optional<AppWindow>>> inserted;
    bool tourTakesInsertions = false;
    std::unique_ptr<SearchPanelController> controller;
    const AppWindow editor{0x1400003, 777, "note.txt - Mousepad", "Mousepad"};
};

}  // namespace

TEST_F(SearchPanelControllerTest, PreloadMakesOneHiddenPanel)
{
    controller->preload();
    ASSERT_TRUE(panel);
    EXPECT_FALSE(panel->visible);
    FakePanelWindow* first = panel;
    controller->preload();
    controller->show();
    EXPECT_EQ(panel, first) << "one window for the whole run";
    EXPECT_TRUE(panel->visible);
}

TEST_F(SearchPanelControllerTest, ReopeningWithinTenSecondsKeepsEverything)
{
    controller->preload();
    controller->show();
    // Centred, 15 % of the height above the middle: y = (800 − 90) / 2 − 120.
    EXPECT_EQ(panel->geometry, QRect(220, 235, 560, 90));
    state().setQuery("ів 3:2");
    panel->geometry.moveTo(300, 300);  // wherever it is now
    controller->toggle();
    EXPECT_FALSE(panel->visible);
    clock.advance(9s);
    controller->toggle();
    EXPECT_EQ(state().query(), "ів 3:2");
    EXPECT_EQ(panel->geometry.topLeft(), QPoint(300, 300)) << "not centred again";

    controller->hide();
    clock.advance(10s);
    EXPECT_EQ(state().query(), "") << "reset 10 s after hiding";
    controller->show();
    EXPECT_EQ(panel->geometry.topLeft(), QPoint(220, 235));
}

TEST_F(SearchPanelControllerTest, APanelTheUserMovedStaysWhereItWasLeft)
{
    controller->show();
    panel->geometry.moveTo(40, 50);
    panel->onUserMoved();
    controller->hide();
    clock.advance(11s);
    controller->show();
    EXPECT_EQ(state().query(), "");
    EXPECT_EQ(panel->geometry.topLeft(), QPoint(40, 50));
    EXPECT_TRUE(controller->userHasRepositioned());
}

TEST_F(SearchPanelControllerTest, ContentHeightMovesOnlyTheBottomEdge)
{
    controller->show();
    const QRect before = panel->geometry;
    panel->onContentHeightChanged(400);
    EXPECT_EQ(panel->geometry, QRect(before.x(), before.y(), 560, 400));
    panel->geometry.setWidth(700);
    panel->onContentHeightChanged(120);
    EXPECT_EQ(panel->geometry, QRect(before.x(), before.y(), 560, 120)) << "the width is always 560";
}

TEST_F(SearchPanelControllerTest, FocusLossHidesAndStartsTheResetTimer)
{
    controller->show();
    state().setQuery("любов");
    panel->onFocusLost();
    EXPECT_FALSE(panel->visible);
    clock.advance(5s);
    panel->onFocusLost();  // a second hide only moves the timer
    clock.advance(6s);
    EXPECT_EQ(state().query(), "любов");
    clock.advance(5s);
    EXPECT_EQ(state().query(), "");
}

TEST_F(SearchPanelControllerTest, RemembersTheProgramInFrontUnlessItIsThisOne)
{
    windows.frontmost = AppWindow{9, windows.pid, "Налаштування", "lampstride"};
    controller->show();
    EXPECT_EQ(controller->previousApp()->pid, windows.pid) << "none remembered yet: this program (insertion declines)";

    windows.frontmost = editor;
    controller->show();
    EXPECT_EQ(controller->previousApp(), editor);
    windows.frontmost = AppWindow{9, windows.pid, "Налаштування", "lampstride"};
    controller->show();
    EXPECT_EQ(controller->previousApp(), editor) << "the earlier program stays";
    windows.frontmost.reset();
    controller->show();
    EXPECT_EQ(controller->previousApp(), editor);
}

TEST_F(SearchPanelControllerTest, InsertingGoesToTheRememberedProgramOrTheTour)
{
    controller->show();
    controller->onInsert("текст");
    EXPECT_EQ(inserted.size(), 1);
    EXPECT_EQ(inserted[0].second, editor);
    EXPECT_FALSE(panel->visible);

    tourTakesInsertions = true;
    controller->show();
    controller->onInsert("для туру");
    EXPECT_EQ(inserted.size(), 1) << "the tour took it";
    EXPECT_FALSE(panel->visible) << "hidden in both cases";
}

TEST_F(SearchPanelControllerTest, CtrlCCopiesTheSelection)
{
    controller->show();
    state().setQuery("ів 3:2");
    EXPECT_TRUE(key(PanelKey::C, Qt::ControlModifier));
    EXPECT_EQ(pasteboard.text(), "«Бог є любов, казав він, і любові вистачить усім» (Івана 3:2)");
    EXPECT_EQ(log.lines.last(), "panel/default: Ctrl+C перехоплено — копіюю вибраний результат");
    EXPECT_FALSE(key(PanelKey::C, Qt::ControlModifier | Qt::ShiftModifier));
    EXPECT_FALSE(key(PanelKey::C, Qt::ControlModifier | Qt::AltModifier));
    EXPECT_FALSE(key(PanelKey::C));
}

TEST_F(SearchPanelControllerTest, Arrows)
{
    controller->show();
    state().setQuery("ів 3:");
    EXPECT_FALSE(key(PanelKey::Down)) << "plain ↓ belongs to the view";
    EXPECT_FALSE(key(PanelKey::Down, Qt::AltModifier));
    EXPECT_TRUE(key(PanelKey::Down, Qt::ShiftModifier));
    EXPECT_EQ(state().selectedRange(), std::make_pair(0, 1));

    state().select(2, false);
    panel->caretAtEnd = false;
    EXPECT_FALSE(key(PanelKey::Right)) << "the caret only moves";
    EXPECT_FALSE(state().hasContext());
    panel->caretAtEnd = true;
    EXPECT_FALSE(key(PanelKey::Right, Qt::ShiftModifier));
    EXPECT_TRUE(key(PanelKey::Right));
    ASSERT_TRUE(state().hasContext());
    EXPECT_EQ(state().context()->cursor, 2);

    EXPECT_TRUE(key(PanelKey::Down));
    EXPECT_TRUE(key(PanelKey::Down, Qt::ShiftModifier));
    EXPECT_EQ(state().context()->selectedRange(), std::make_pair(qsizetype(3), qsizetype(4)));
    EXPECT_FALSE(key(PanelKey::Left, Qt::ShiftModifier)) << "Shift+← moves the caret";
    EXPECT_TRUE(key(PanelKey::Left));
    EXPECT_FALSE(state().hasContext());
    EXPECT_FALSE(key(PanelKey::Left)) << "outside the chapter ← is the caret's";

    state().setQuery("ів");
    EXPECT_FALSE(key(PanelKey::Right)) << "a book row opens no chapter";
}

TEST_F(SearchPanelControllerTest, EqualsShortTapTypesLongPressSwitchesNumbers)
{
    controller->show();
    state().setQuery("ів");
    EXPECT_TRUE(key(PanelKey::Equal));
    clock.advance(200ms);
    EXPECT_EQ(state().query(), "ів") << "nothing on the press";
    EXPECT_TRUE(key(PanelKey::Equal, Qt::NoModifier, true));
    EXPECT_EQ(state().query(), "ів=");

    EXPECT_TRUE(key(PanelKey::Equal));
    for (int i = 0; i < 10; ++i) {
        clock.advance(100ms);
        EXPECT_TRUE(key(PanelKey::Equal, Qt::NoModifier, true, true)) << "X11 sends a release before each repeat";
        EXPECT_TRUE(key(PanelKey::Equal, Qt::NoModifier, false, true)) << "auto-repeat is swallowed";
        EXPECT_TRUE(key(PanelKey::Equal)) << "so is a repeat that does not say it is one";
    }
    EXPECT_TRUE(key(PanelKey::Equal, Qt::NoModifier, true));
    EXPECT_TRUE(preferences.includeVerseNumbers()) << "toggled once";
    EXPECT_EQ(state().query(), "ів=") << "nothing typed";
    EXPECT_EQ(log.lines.count("panel/default: Довге утримання '=' — перемкнув формат номерів віршів"), 1);

    EXPECT_TRUE(key(PanelKey::Equal, Qt::NoModifier, true));
    EXPECT_EQ(state().query(), "ів=") << "a release whose press went elsewhere types nothing";
    EXPECT_FALSE(key(PanelKey::Equal, Qt::ShiftModifier));
    EXPECT_FALSE(key(PanelKey::Equal, Qt::KeypadModifier));
}

TEST_F(SearchPanelControllerTest, ShowTypingTypesOneCharacterEvery55ms)
{
    QStringList queries;
    QObject::connect(&state(), &SearchPanelState::queryChanged, [&] { queries.append(state().query()); });
    state().setQuery("старе");
    queries.clear();
    controller->show(QStringLiteral("Ів 3:"));
    EXPECT_EQ(queries, QStringList{""}) << "reset first";
    clock.advance(54ms);
    EXPECT_EQ(queries.size(), 1);
    clock.advance(1ms);
    EXPECT_EQ(queries.last(), "І");
    clock.advance(55ms * 4);
    EXPECT_EQ(queries, (QStringList{"", "І", "Ів", "Ів ", "Ів 3", "Ів 3:"}));
    EXPECT_EQ(state().rows().size(), 5) << "each prefix searched";

    controller->show(QStringLiteral("любов"));
    clock.advance(120ms);
    controller->hide();
    clock.advance(1s);
    EXPECT_EQ(state().query(), "лю") << "hiding stops the typing where it is";
}

TEST_F(SearchPanelControllerTest, KeystrokesWaitForThePanel)
{
    controller->show();
    EXPECT_EQ(keystrokes.holds, 1);
    EXPECT_EQ(keystrokes.heldFor, 7u) << "held until the panel's window has the keyboard";
    controller->show();
    EXPECT_EQ(keystrokes.holds, 1) << "already visible: nothing to hold";
    controller->hide();
    EXPECT_EQ(keystrokes.releases, 1) << "a hold never outlives the panel";
}
