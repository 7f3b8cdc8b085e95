// The panel's Qt Quick view, drawn offscreen over a fixture database: what each
// outcome shows, the rows' previews and marks, clicks, the format menu and dragging.

#include "FakePlatform.h"
#include "FixturePanelServices.h"
#include "QuickPanelWindow.h"
#include "SearchPanelController.h"

#include "QtPrinters.h"

#include "QuickItems.h"

#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickView>
#include <QStyleHints>
#include <QTest>

namespace {

class SearchPanelViewTest : public ::testing::Test, protected FixturePanelServices {
protected:
    SearchPanelViewTest() : windows(clock)
    {
        controller = std::make_unique<SearchPanelController>(
            panelServices(),
            SearchPanelController::Services{
                windows, clock, log, preferences,
                [this](SearchPanelController& owner) {
                    auto window = std::make_unique<QuickPanelWindow>(owner, nullptr, true);
                    quick = window.get();
                    return window;
                },
                [this](const QString& text, const std::optional<AppWindow>&) { inserted.append(text); },
                [](const QString&) { return false; }, nullptr});
        controller->show();
        settle();
    }

    void settle() { QTest::qWait(60); }

    void type(const QString& query)
    {
        controller->state().setQuery(query);
        settle();
    }

    QQuickItem* root() const { return quick->view()->rootObject(); }
    QQuickItem* item(const QString& name) const { return findItem(root(), name); }
    bool shown(const QString& name) const
    {
        QQuickItem* found = item(name);
        return found && found->isVisible();
    }
    QString text(const QString& name) const { return item(name) ? item(name)->property("text").toString() : QString(); }

    // The result row delegates that exist now, by index.
    QMap<int, QQuickItem*> rows() const
    {
        QMap<int, QQuickItem*> result;
        QQuickItem* list = item("resultsList");
        if (!list)
            return result;
        for (int i = 0; i < list->property("count").toInt(); ++i) {
            QQuickItem* row = nullptr;
            QMetaObject::invokeMethod(list, "itemAtIndex", Q_RETURN_ARG(QQuickItem*, row), Q_ARG(int, i));
            if (row)
                result.insert(i, row);
        }
        return result;
    }

    void click(QQuickItem* target, Qt::KeyboardModifiers modifiers = Qt::NoModifier, QPointF at = {})
    {
        const QPointF local = at.isNull() ? QPointF(target->width() / 2, std::min(target->height() / 2, 20.0)) : at;
        QTest::mouseClick(quick->view(), Qt::LeftButton, modifiers, target->mapToScene(local).toPoint());
    }

    FakeScheduler clock;
    FakeWindowSystem windows;
    RecordingLogSink log;
    QuickPanelWindow* quick = nullptr;
    QStringList inserted;
    std::unique_ptr<SearchPanelController> controller;
};

}  // namespace

TEST_F(SearchPanelViewTest, WhatEachOutcomeShows)
{
    // Idle: the search row alone.
    EXPECT_FALSE(shown("sectionDivider"));
    EXPECT_FALSE(shown("count"));
    EXPECT_EQ(item("queryField")->property("placeholderText").toString(), "Введіть біблійне посилання чи слово…");
    const qreal searchRowOnly = root()->implicitHeight();

    type("зебра");
    EXPECT_TRUE(shown("sectionDivider"));
    EXPECT_EQ(text("message"), "Нічого не знайдено");
    EXPECT_FALSE(shown("count"));
    EXPECT_GT(root()->implicitHeight(), searchRowOnly);

    type("любов");
    EXPECT_TRUE(shown("count"));
    EXPECT_EQ(text("count"), "3");
    EXPECT_TRUE(shown("resultsList"));
    controller->state().enterContext();
    settle();
    EXPECT_FALSE(shown("count")) << "hidden in the chapter view";
    EXPECT_TRUE(shown("chapterList"));
    controller->state().exitContext();
    settle();
    EXPECT_TRUE(shown("count"));

    type("");
    EXPECT_FALSE(shown("sectionDivider"));
    EXPECT_EQ(root()->implicitHeight(), searchRowOnly);
}

TEST_F(SearchPanelViewTest, RowsShowPreviewsHintsAndTheOtherFormsDivider)
{
    type("любов");
    QMap<int, QQuickItem*> shownRows = rows();
    ASSERT_EQ(shownRows.size(), 3);
    EXPECT_FALSE(shownRows[0]->property("startsOtherWordForms").toBool());
    EXPECT_FALSE(shownRows[1]->property("startsOtherWordForms").toBool());
    EXPECT_TRUE(shownRows[2]->property("startsOtherWordForms").toBool()) << "one divider, before the first other form";
    EXPECT_TRUE(shownRows[0]->property("shownPreview").toString().contains("<b><font color="));
    EXPECT_TRUE(shownRows[2]->property("shownPreview").toString().contains(">любові</font></b>"));

    type("пс 23");
    shownRows = rows();
    ASSERT_EQ(shownRows.size(), 1);
    EXPECT_EQ(shownRows[0]->property("hint").toString(), "…ще 5 — → відкрити весь розділ");
    EXPECT_EQ(shownRows[0]->property("preview").toString(), "Пісня пастуха про зелені пасовища.");

    type("ів 3:1-2");
    shownRows = rows();
    EXPECT_EQ(shownRows[0]->property("preview").toString(),
              "1 Ісус говорив до учнів біля моря. 2 Бог є любов, казав він, і любові вистачить усім.");
    EXPECT_EQ(shownRows[0]->property("hint").toString(), "");
}

TEST_F(SearchPanelViewTest, TheChevronHidesWhileSeveralRowsAreSelected)
{
    type("ів 3:");
    EXPECT_TRUE(rows()[0]->property("chevronShown").toBool());
    EXPECT_FALSE(rows()[1]->property("chevronShown").toBool());
    controller->state().moveSelection(1, true);
    settle();
    EXPECT_FALSE(rows()[1]->property("chevronShown").toBool());
}

TEST_F(SearchPanelViewTest, ClicksSelectExtendAndOpenTheChapter)
{
    type("ів 3:");
    click(rows()[2]);
    EXPECT_EQ(controller->state().selectedIndex(), 2);
    EXPECT_FALSE(controller->state().hasContext());
    click(rows()[4], Qt::ShiftModifier);
    EXPECT_EQ(controller->state().selectedRange(), std::make_pair(2, 4)) << "Shift+click extends";
    click(rows()[4]);
    EXPECT_EQ(controller->state().selectedRange(), std::make_pair(4, 4));
    QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 50);
    click(rows()[4]);
    EXPECT_FALSE(controller->state().hasContext()) << "not before the double-click time is over";
    QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 50);
    EXPECT_TRUE(controller->state().hasContext()) << "a second click on the selected verse opens its chapter";
    click(item("chapterHeader"));
    EXPECT_FALSE(controller->state().hasContext());
}

TEST_F(SearchPanelViewTest, DoubleClickInsertsAndNeverLeavesAChapterOpen)
{
    type("ів 3:");
    QQuickItem* row = rows()[3];
    const QPoint at = row->mapToScene(QPointF(row->width() / 2, 20)).toPoint();
    QTest::mouseDClick(quick->view(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 50);
    ASSERT_EQ(inserted.size(), 1);
    EXPECT_EQ(inserted[0], "«Хто любить, той світло несе у світ» (Івана 3:4)");
    EXPECT_FALSE(controller->state().hasContext());
}

TEST_F(SearchPanelViewTest, ReturnAndEscape)
{
    type("ів 3:2");
    item("queryField")->forceActiveFocus();
    QTest::keyClick(quick->view(), Qt::Key_Return);
    EXPECT_EQ(inserted, QStringList{"«Бог є любов, казав він, і любові вистачить усім» (Івана 3:2)"});

    controller->show();
    type("пс 23");
    controller->state().enterContext();
    item("queryField")->forceActiveFocus();
    QTest::keyClick(quick->view(), Qt::Key_Escape);
    EXPECT_FALSE(controller->state().hasContext()) << "Escape leaves the chapter first";
    EXPECT_EQ(controller->state().query(), "пс 23");
    QTest::keyClick(quick->view(), Qt::Key_Escape);
    EXPECT_EQ(controller->state().query(), "");
}

TEST_F(SearchPanelViewTest, FormatMenuAndBadge)
{
    EXPECT_FALSE(shown("badge"));
    preferences.setIncludeVerseNumbers(true);
    settle();
    EXPECT_TRUE(shown("badge"));
    click(item("bookIcon"));
    ASSERT_TRUE(shown("formatMenu"));
    QQuickItem* withNumbers = item("menuItem:З номерами віршів");
    QQuickItem* without = item("menuItem:Без номерів віршів");
    ASSERT_TRUE(withNumbers && without);
    EXPECT_TRUE(withNumbers->property("checked").toBool());
    EXPECT_FALSE(without->property("checked").toBool());
    EXPECT_GE(root()->implicitHeight(), item("formatMenu")->y() + item("formatMenu")->height())
        << "the window grows to hold the menu";
    click(without);
    EXPECT_FALSE(preferences.includeVerseNumbers());
    EXPECT_FALSE(shown("badge"));
    EXPECT_FALSE(shown("formatMenu"));
    EXPECT_TRUE(item("queryField")->hasActiveFocus()) << "the caret is back in the field";
}

TEST_F(SearchPanelViewTest, DraggingTheBookIconMovesThePanel)
{
    QQuickView* view = quick->view();
    const QPoint origin = view->position();
    QQuickItem* icon = item("bookIcon");
    const QPoint at = icon->mapToScene(QPointF(icon->width() / 2, icon->height() / 2)).toPoint();
    QCursor::setPos(view->mapToGlobal(at));
    QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, at);
    for (int step = 1; step <= 4; ++step) {
        QCursor::setPos(view->mapToGlobal(at) + QPoint(25 * step, 0) - (view->position() - origin));
        QTest::mouseMove(view, at + QPoint(25 * step, 0) - (view->position() - origin));
    }
    QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, at + QPoint(100, 0) - (view->position() - origin));
    EXPECT_EQ(view->position(), origin + QPoint(100, 0));
    EXPECT_TRUE(controller->userHasRepositioned());
    EXPECT_FALSE(shown("formatMenu")) << "a drag is not a click";
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
