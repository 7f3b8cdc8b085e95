#include "FixturePanelServices.h"
#include "SearchPanelState.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

namespace {

class SearchPanelStateTest : public ::testing::Test, protected FixturePanelServices {
protected:
    void SetUp() override { state = std::make_unique<SearchPanelState>(panelServices()); }

    void type(const QString& query)
    {
        state->setQuery(query);
        state->updateSearch();
    }

    void press(int step, bool shift = false) { state->moveSelection(step, shift); }

    // The selection as "cursor/anchor" ("2/-" without an anchor).
    QString selection() const
    {
        const auto anchor = state->selectionAnchor();
        return QStringLiteral("%1/%2").arg(state->selectedIndex()).arg(anchor ? QString::number(*anchor) : "-");
    }

    QString chapterSelection() const
    {
        const auto& c = state->context();
        return c ? QStringLiteral("%1/%2").arg(c->cursor).arg(c->anchor) : QStringLiteral("none");
    }

    QStringList rowIds() const
    {
        QStringList ids;
        for (const SearchResultRow& row : state->rows())
            ids.append(row.id());
        return ids;
    }

    std::unique_ptr<SearchPanelState> state;
};

}  // namespace

TEST_F(SearchPanelStateTest, HistoryOpensOnDownInAnEmptyFieldAndWraps)
{
    history.record("третій");
    history.record("другий");
    history.record("перший");
    press(-1);
    EXPECT_FALSE(state->isShowingHistory()) << "↑ never opens the history";
    press(+1);
    EXPECT_TRUE(state->isShowingHistory());
    EXPECT_EQ(rowIds(), (QStringList{"h:перший", "h:другий", "h:третій"}));
    EXPECT_EQ(selection(), "0/-");
    press(+1);
    EXPECT_EQ(selection(), "1/-");
    press(-1);
    press(-1);
    EXPECT_EQ(selection(), "2/-") << "↑ from the first wraps to the last";
    press(+1, true);
    EXPECT_EQ(selection(), "0/-") << "Shift+↓ moves like ↓ and sets no anchor";

    // Return on a history row runs that query and leaves the history.
    press(+1);
    EXPECT_EQ(state->activateSelection(), std::nullopt);
    EXPECT_EQ(state->query(), "другий");
    EXPECT_FALSE(state->isShowingHistory());
}

TEST_F(SearchPanelStateTest, ArrowsDoNothingWithoutRowsOrHistory)
{
    press(+1);
    press(-1);
    EXPECT_FALSE(state->isShowingHistory());
    EXPECT_TRUE(state->rows().isEmpty());

    history.record("любов");
    type(" ");
    press(+1);
    EXPECT_FALSE(state->isShowingHistory()) << "a space is not an empty field";
    EXPECT_EQ(selection(), "0/-");
}

TEST_F(SearchPanelStateTest, MovingWrapsAndExtendingClamps)
{
    type("ів 3:");
    ASSERT_EQ(state->rows().size(), 5);
    state->select(4, false);
    press(+1);
    EXPECT_EQ(selection(), "0/-") << "↓ on the last wraps to the first";
    state->select(4, false);
    press(+1, true);
    EXPECT_EQ(selection(), "4/4") << "Shift+↓ stays on the last and anchors there";

    state->select(2, false);
    press(+1, true);
    press(+1, true);
    EXPECT_EQ(selection(), "4/2");
    EXPECT_EQ(state->selectedRange(), std::make_pair(2, 4));
    EXPECT_TRUE(state->isMultiSelection());
    press(+1);
    EXPECT_EQ(selection(), "0/-") << "a plain ↓ clears the anchor and wraps";

    state->select(7, false);
    EXPECT_EQ(selection(), "0/-") << "indices outside the rows are ignored";
    state->select(3, true);
    EXPECT_EQ(selection(), "3/0") << "a Shift-click extends from the cursor";
}

TEST_F(SearchPanelStateTest, ReturnOnSeveralRowsJoinsTheirVerses)
{
    type("ісус");
    ASSERT_EQ(rowIds(), (QStringList{"b:JOS", "v:JHN.3.1-1", "v:JHN.3.3-3"}));
    press(+1, true);
    press(+1, true);
    const QString first = "«Ісус говорив до учнів біля моря» (Івана 3:1)";
    const QString second = "«Вони слухали Ісуса мовчки, а вітер гнав хвилі» (Івана 3:3)";
    EXPECT_EQ(state->activateSelection(), first + "\n" + second);
    EXPECT_EQ(history.recent(), QStringList{"ісус"});

    preferences.setIncludeVerseNumbers(true);
    EXPECT_EQ(state->activateSelection(), "1. Ісус говорив до учнів біля моря.\n\nІвана 3:1\n\n"
                                          "3. Вони слухали Ісуса мовчки, а вітер гнав хвилі.\n\nІвана 3:3");
}

TEST_F(SearchPanelStateTest, BookRowsInsertNothing)
{
    type("ів");
    press(+1, true);
    EXPECT_EQ(state->activateSelection(), std::nullopt) << "only book rows selected";
    EXPECT_TRUE(history.recent().isEmpty());
    EXPECT_FALSE(state->enterContext());

    type("ів");
    EXPECT_EQ(state->activateSelection(), std::nullopt);
    EXPECT_EQ(state->query(), "Івана ");
    EXPECT_EQ(rowIds(), (QStringList{"b:JHN", "b:1JN", "b:2JN", "b:3JN"})) << "a new search ran";
    EXPECT_TRUE(history.recent().isEmpty());
}

TEST_F(SearchPanelStateTest, ChapterModeFromAWholeChapter)
{
    type("пс 23");
    ASSERT_TRUE(state->enterContext());
    EXPECT_EQ(chapterSelection(), "0/0") << "first verse alone, not the whole chapter";
    EXPECT_EQ(state->context()->title(), "Псалми 23");
    state->moveContext(-1, false);
    EXPECT_EQ(chapterSelection(), "0/0");
    state->moveContext(+1, true);
    state->moveContext(+1, true);
    EXPECT_EQ(chapterSelection(), "2/0");
    EXPECT_EQ(state->context()->selectedItem().verseLabel(), "1–3");
    state->selectContext(5, false);
    state->moveContext(+1, false);
    EXPECT_EQ(chapterSelection(), "5/5") << "↓ on the last verse stays";
    state->selectContext(9, false);
    EXPECT_EQ(chapterSelection(), "5/5");

    state->exitContext();
    EXPECT_FALSE(state->hasContext());
    EXPECT_EQ(rowIds(), QStringList{"v:PSA.23.1-6"}) << "the list from before is back";
}

TEST_F(SearchPanelStateTest, ReturnInTheChapterInsertsTheStretchAndRecordsTheQuery)
{
    type("ів 3:2-4");
    ASSERT_TRUE(state->enterContext());
    EXPECT_EQ(chapterSelection(), "1/3");
    preferences.setFormatKind(FormatKind::ReferenceWithText);
    EXPECT_EQ(state->activateSelection(),
              "Івана 3:2–4 — «Бог є любов, казав він, і любові вистачить усім. "
              "Вони слухали Ісуса мовчки, а вітер гнав хвилі. Хто любить, той світло несе у світ»");
    EXPECT_EQ(history.recent(), QStringList{"ів 3:2-4"});
}

TEST_F(SearchPanelStateTest, CopyGivesTheReturnTextAndChangesNothing)
{
    type("ів 3:2");
    const QStringList writesBefore = settings.writes;
    state->copySelectedToClipboard();
    EXPECT_EQ(pasteboard.text(), "«Бог є любов, казав він, і любові вистачить усім» (Івана 3:2)");
    EXPECT_EQ(settings.writes, writesBefore) << "copying records nothing";
    EXPECT_EQ(selection(), "0/-");
    EXPECT_EQ(state->query(), "ів 3:2");
    EXPECT_EQ(state->activateSelection(), pasteboard.text());

    type("ів");
    pasteboard.items.clear();
    state->copySelectedToClipboard();
    EXPECT_TRUE(pasteboard.items.isEmpty()) << "a book row copies nothing";

    type("пс 23");
    state->enterContext();
    state->moveContext(+1, true);
    state->copySelectedToClipboard();
    EXPECT_TRUE(pasteboard.text().endsWith("(Псалми 23:1–2)"));
}

TEST_F(SearchPanelStateTest, SearchCountsAndReset)
{
    type("любов");
    EXPECT_EQ(state->resultCount(), 3);
    EXPECT_EQ(state->outcomeKind(), "results");
    type("ів 3:2");
    EXPECT_EQ(state->resultCount(), std::nullopt);
    type("ів 22");
    EXPECT_EQ(state->message(), "Вірш не знайдено");
    EXPECT_TRUE(state->rows().isEmpty());

    type("пс 23");
    state->enterContext();
    state->reset();
    EXPECT_EQ(state->query(), "");
    EXPECT_FALSE(state->hasContext());
    EXPECT_TRUE(state->rows().isEmpty());
    EXPECT_EQ(state->outcomeKind(), "idle");
    EXPECT_EQ(state->activateSelection(), std::nullopt);
    state->copySelectedToClipboard();
}

TEST_F(SearchPanelStateTest, AFailedChapterReadOpensNothing)
{
    type("ів 3:2");
    FixtureBible::exec(path, "DROP TABLE verses");
    EXPECT_FALSE(state->enterContext());
    EXPECT_FALSE(state->hasContext());
    EXPECT_EQ(rowIds(), QStringList{"v:JHN.3.2-2"});
}

TEST_F(SearchPanelStateTest, EveryAssignmentNotifies)
{
    QSignalSpy query(state.get(), &SearchPanelState::queryChanged);
    QSignalSpy rows(state->rowsModel(), &SearchResultRowsModel::modelReset);
    state->setQuery("");
    state->setQuery("");
    EXPECT_EQ(query.count(), 2);
    state->appendToQuery("=");
    EXPECT_EQ(state->query(), "=");
    state->updateSearch();
    state->updateSearch();
    EXPECT_EQ(rows.count(), 2);
    EXPECT_EQ(state->rowsModel()->rowCount(), 0);
}

TEST_F(SearchPanelStateTest, RowsModelRoles)
{
    type("мат");
    SearchResultRowsModel* model = state->rowsModel();
    ASSERT_EQ(model->rowCount(), 2);
    const auto role = [&](int row, const char* name) {
        return model->data(model->index(row), model->roleNames().key(name));
    };
    EXPECT_EQ(role(0, "kind"), "book");
    EXPECT_EQ(role(0, "title"), "Матвія");
    EXPECT_EQ(role(1, "kind"), "verse");
    EXPECT_EQ(role(1, "title"), "Буття 1:2");
    EXPECT_EQ(role(1, "matchedOtherWordForms"), true);
    EXPECT_EQ(role(1, "previewText"), "Мати пекла хліб, і дім наповнився світлом.");
}
