#include "TipDemo.h"

#include "FakePlatform.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

// A demonstration with a record of every state it showed, at virtual times.
class TipDemoTest : public ::testing::Test {
protected:
    std::unique_ptr<TipDemo> start(TipDemo::Kind kind)
    {
        auto demo = std::make_unique<TipDemo>(kind, scheduler);
        QObject::connect(demo.get(), &TipDemo::finished, demo.get(), [this] { finishedAt << elapsed(); });
        begin = scheduler.now();
        demo->run();
        return demo;
    }
    qint64 elapsed() const { return (scheduler.now() - begin).count(); }
    void advance(int ms) { scheduler.advance(std::chrono::milliseconds(ms)); }

    FakeScheduler scheduler;
    std::chrono::milliseconds begin{};
    QList<qint64> finishedAt;
};

TEST_F(TipDemoTest, EachScriptRunsItsLengthAndFinishesOnce)
{
    const std::pair<TipDemo::Kind, qint64> lengths[] = {
        // 600 + 7 × 90 typing "пастир" + 3 × 900 + 1600
        {TipDemo::Search, 5530},
        // 1100 + 120 + 1100 + 2 × (120 + 750) + 120 + 250 + 2400
        {TipDemo::Chapter, 6830},
        // 800 + 700 + 350 + 400 + 13 × 80 typing "1 Кор 13:4-7" + 900 + 6 × 280 + 2200
        {TipDemo::Numbers, 8070},
        // 800 + 120 + 2 × (800 + 120) + 800 + 120 + 1400
        {TipDemo::History, 5080},
    };
    for (const auto& [kind, length] : lengths) {
        finishedAt.clear();
        auto demo = start(kind);
        advance(20000);
        EXPECT_EQ(finishedAt, QList<qint64>{length}) << kind;
    }
}

TEST_F(TipDemoTest, TypingShowsOneMoreCharacterEachRound)
{
    auto demo = start(TipDemo::Search);
    QStringList shown;
    QList<qint64> at;
    QObject::connect(demo.get(), &TipDemo::changed, demo.get(), [&] {
        shown << demo->query();
        at << elapsed();
    });
    advance(600 + 6 * 90);
    EXPECT_EQ(shown, (QStringList{"", "п", "па", "пас", "паст", "пасти", "пастир"}));
    EXPECT_EQ(at, (QList<qint64>{600, 690, 780, 870, 960, 1050, 1140}));
    advance(90);
    EXPECT_EQ(demo->count(), 11) << "the results arrive one delay after the whole word";
    EXPECT_EQ(demo->rows().size(), 3);
}

TEST_F(TipDemoTest, SearchShowsNoNumberUntilTheResultsArriveThenMovesTheCursor)
{
    auto demo = start(TipDemo::Search);
    advance(1229);
    EXPECT_EQ(demo->query(), "пастир");
    EXPECT_EQ(demo->count(), -1);
    EXPECT_TRUE(demo->rows().isEmpty());
    advance(1);
    EXPECT_EQ(demo->count(), 11);
    QList<int> cursor;
    for (int i = 0; i < 3; ++i) {
        advance(900);
        cursor << demo->selected();
    }
    EXPECT_EQ(cursor, (QList<int>{1, 2, 0}));
}

TEST_F(TipDemoTest, ATabClickMidScriptNeverFinishes)
{
    for (TipDemo::Kind kind : {TipDemo::Search, TipDemo::Chapter, TipDemo::Numbers, TipDemo::History}) {
        finishedAt.clear();
        {
            auto demo = start(kind);
            advance(1500);
        }  // the tab changed: the demonstration is gone
        advance(20000);
        EXPECT_TRUE(finishedAt.isEmpty()) << kind;
        EXPECT_EQ(scheduler.pendingCount(), 0u) << kind;
    }
    // Cancelled while typing.
    auto demo = start(TipDemo::Search);
    advance(700);
    demo->cancel();
    const QString typed = demo->query();
    advance(20000);
    EXPECT_EQ(demo->query(), typed);
    EXPECT_TRUE(finishedAt.isEmpty());
}

TEST_F(TipDemoTest, ChapterSelectsThreeVersesThenInsertsThem)
{
    auto demo = start(TipDemo::Chapter);
    QStringList badges;
    QObject::connect(demo.get(), &TipDemo::changed, demo.get(), [&] {
        if (demo->pressed())
            badges << demo->badge();
    });
    advance(1100);
    EXPECT_TRUE(demo->pressed());
    advance(120);
    EXPECT_FALSE(demo->pressed());
    EXPECT_TRUE(demo->inChapter());
    advance(20000);
    EXPECT_EQ(badges, (QStringList{"→", "Shift ↓", "Shift ↓", "↩"}));
    EXPECT_EQ(demo->anchor(), 0);
    EXPECT_EQ(demo->cursor(), 2);
    EXPECT_TRUE(demo->inserted());
    EXPECT_EQ(demo->chapterDocument().last(), "Псалми 23:1–3");
}

TEST_F(TipDemoTest, NumbersShowTheDigitOnlyAsTheMenuCloses)
{
    auto demo = start(TipDemo::Numbers);
    bool digitWithMenuOpen = false;
    QObject::connect(demo.get(), &TipDemo::changed, demo.get(),
                     [&] { digitWithMenuOpen |= demo->digit() && demo->popover(); });
    advance(800);
    EXPECT_TRUE(demo->popover());
    advance(700);
    EXPECT_TRUE(demo->popoverHighlight());
    EXPECT_FALSE(demo->digit());
    advance(350);
    EXPECT_FALSE(demo->popover());
    EXPECT_TRUE(demo->digit());
    advance(20000);
    EXPECT_FALSE(digitWithMenuOpen);
    EXPECT_EQ(demo->query(), "1 Кор 13:4-7");
    EXPECT_EQ(demo->docLines(), TipDemo::numbersLines());
}

TEST_F(TipDemoTest, HistoryPressesDownThreeTimesThenCopies)
{
    auto demo = start(TipDemo::History);
    QStringList badges;
    QList<int> selected;
    QObject::connect(demo.get(), &TipDemo::changed, demo.get(), [&] {
        if (demo->pressed())
            badges << demo->badge();
        if (selected.isEmpty() || selected.last() != demo->selected())
            selected << demo->selected();
    });
    advance(20000);
    EXPECT_EQ(badges, (QStringList{"↓", "↓", "↓", "Ctrl+C"}));
    EXPECT_EQ(selected, (QList<int>{0, 1, 2}));
    EXPECT_EQ(demo->rows().size(), 3);
}

TEST(TipDemoText, DoubleAsterisksMakeBoldRuns)
{
    const std::pair<QString, QString> cases[] = {
        {"Як **пастир**, Він", "Як <b>пастир</b>, Він"},
        {"**Пастир** добрий! **Пастир**", "<b>Пастир</b> добрий! <b>Пастир</b>"},
        {"a < b & **c**", "a &lt; b &amp; <b>c</b>"},
        {"одна ** зірочка", "одна ** зірочка"},
    };
    for (const auto& [text, styled] : cases)
        EXPECT_EQ(TipDemo::bolded(text), styled) << qPrintable(text);
}

}  // namespace
