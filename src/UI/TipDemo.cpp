#include "TipDemo.h"

#include "TextNormalization.h"

#include <QRegularExpression>

namespace {

QVariantMap verseRow(const QString& id, const QString& reference, const QString& preview)
{
    return {{"id", id}, {"kind", "verse"}, {"reference", reference}, {"preview", preview}};
}

QVariantMap historyRow(const QString& text)
{
    return {{"id", text}, {"kind", "history"}, {"reference", text}, {"preview", QString()}};
}

}  // namespace

TipDemo::TipDemo(Kind kind, Scheduler& scheduler, QObject* parent)
    : QObject(parent), m_kind(kind), m_scheduler(scheduler)
{
    if (kind == Chapter)
        m_badge = QStringLiteral("→");
    if (kind == History)
        m_badge = QStringLiteral("↓");
}

TipDemo::~TipDemo()
{
    cancel();
}

QString TipDemo::bolded(const QString& text)
{
    // Only the double-asterisk runs the demonstrations use.
    QString html = text.toHtmlEscaped();
    static const QRegularExpression bold(QStringLiteral("\\*\\*(.+?)\\*\\*"));
    html.replace(bold, QStringLiteral("<b>\\1</b>"));
    return html;
}

QVariantList TipDemo::searchResults()
{
    return {
        verseRow("a", "Псалми 23:1", bolded("Господь – мій **Пастир**. Я не матиму недостатку.")),
        verseRow("b", "Ісаї 40:11", bolded("Як **пастир**, Він пастиме Свою отару…")),
        verseRow("c", "Івана 10:11", bolded("Я – **Пастир** добрий! **Пастир** добрий кладе…")),
    };
}

QStringList TipDemo::chapterVerses()
{
    return {
        "Господь – мій Пастир. Я не матиму недостатку.",
        "На зелених лугах Він дозволяє мені відпочивати, біля тихих вод піклується про мене.",
        "Мою душу Він підкріпляє, провадить мене стежками правди заради Свого Імені.",
        "Коли б я пішов навіть долиною смертної тіні, не боятимуся лиха…",
    };
}

QStringList TipDemo::chapterDocument()
{
    // Verses 1 to 3, as the chapter demonstration selects them.
    return {
        "1. Господь – мій Пастир. Я не матиму недостатку.", "2. На зелених лугах Він дозволяє мені відпочивати…",
        "3. Мою душу Він підкріпляє, провадить мене…", " ", "Псалми 23:1–3",
    };
}

QStringList TipDemo::numbersLines()
{
    return {
        "4. Любов довго терпить, любов милосердна…", "5. не поводиться непристойно, не шукає…",
        "6. не радіє з несправедливості…", "7. все переносить, усьому довіряє…", " ", "1 Коринтян 13:4–7",
    };
}

// ---- script building blocks

void TipDemo::pause(int ms)
{
    m_steps.push_back([ms] { return ms; });
}

void TipDemo::act(std::function<void()> change)
{
    m_steps.push_back([this, change] {
        change();
        emit changed();
        return 0;
    });
}

void TipDemo::typeText(const QString& text, QString TipDemo::*into, int delayMs)
{
    // n + 1 rounds: nothing, then one more character each round, a delay after each.
    const qsizetype n = TextNormalization::characterCount(text);
    for (qsizetype i = 0; i <= n; ++i) {
        const QString prefix = text.left(TextNormalization::offsetOfCharacter(text, i));
        m_steps.push_back([this, into, prefix, delayMs] {
            this->*into = prefix;
            emit changed();
            return delayMs;
        });
    }
}

void TipDemo::press(const QString& key)
{
    // The keycap sinks (ease-out 0.08 in the view) and springs back 120 ms later.
    act([this, key] {
        if (!key.isEmpty())
            m_badge = key;
        m_pressed = true;
    });
    pause(120);
    act([this] { m_pressed = false; });
}

void TipDemo::build()
{
    m_steps.clear();
    switch (m_kind) {
    case Search:
        pause(600);
        typeText(QStringLiteral("пастир"), &TipDemo::m_query, 90);
        act([this] {
            m_rows = searchResults();
            m_count = 11;
        });
        for (int s : {1, 2, 0}) {
            pause(900);
            act([this, s] { m_selected = s; });
        }
        pause(1600);
        break;
    case Chapter:
        pause(1100);
        press(QStringLiteral("→"));
        act([this] { m_inChapter = true; });
        pause(1100);
        for (int i = 0; i < 2; ++i) {
            press(QStringLiteral("Shift ↓"));
            act([this] { ++m_cursor; });
            pause(750);
        }
        press(QStringLiteral("↩"));
        pause(250);
        act([this] { m_inserted = true; });
        pause(2400);
        break;
    case Numbers:
        pause(800);
        act([this] { m_popover = true; });
        pause(700);
        act([this] { m_popoverHighlight = true; });
        pause(350);
        act([this] {
            m_popover = false;
            m_digit = true;
        });
        pause(400);
        typeText(QStringLiteral("1 Кор 13:4-7"), &TipDemo::m_query, 80);
        act([this] {
            m_rows = {verseRow("r", "1 Коринтян 13:4–7", QStringLiteral("Любов довго терпить, любов милосердна…"))};
        });
        pause(900);
        for (const QString& line : numbersLines()) {
            act([this, line] { m_docLines.append(line); });
            pause(280);
        }
        pause(2200);
        break;
    case History:
        pause(800);
        press(QString());
        act([this] {
            m_rows = {historyRow("Рим 8:28"), historyRow("Пс 23:1"), historyRow("Ів 3:16")};
        });
        for (int s : {1, 2}) {
            pause(800);
            press(QString());
            act([this, s] { m_selected = s; });
        }
        pause(800);
        press(QStringLiteral("Ctrl+C"));
        pause(1400);
        break;
    }
}

void TipDemo::run()
{
    build();
    m_next = 0;
    m_cancelled = false;
    advance();
}

void TipDemo::advance()
{
    m_pending = 0;
    while (!m_cancelled && m_next < m_steps.size()) {
        const int delay = m_steps[m_next++]();
        if (delay > 0) {
            m_pending = m_scheduler.schedule(Scheduler::Duration(delay), [this] { advance(); });
            return;
        }
    }
    // The end: the tips page moves on. Nothing here is touched after the signal,
    // because its receiver replaces (and may delete) this demonstration.
    if (!m_cancelled)
        emit finished();
}

void TipDemo::cancel()
{
    m_cancelled = true;
    m_scheduler.cancel(m_pending);
    m_pending = 0;
}
