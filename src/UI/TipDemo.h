#pragma once

#include "Scheduler.h"

#include <QObject>
#include <QStringList>
#include <QVariantList>

#include <functional>
#include <vector>

// One of the tips page's scripted demonstrations, played on a miniature panel: a
// sequence of pauses, typing and state changes run on the scheduler. Cancelled (or
// destroyed) mid-way, it stops at its next step and never reports that it finished.
class TipDemo : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString query READ query NOTIFY changed)
    Q_PROPERTY(QVariantList rows READ rows NOTIFY changed)
    Q_PROPERTY(int selected READ selected NOTIFY changed)
    Q_PROPERTY(int count READ count NOTIFY changed)  // −1: none
    Q_PROPERTY(bool digit READ digit NOTIFY changed)
    Q_PROPERTY(bool popover READ popover NOTIFY changed)
    Q_PROPERTY(bool popoverHighlight READ popoverHighlight NOTIFY changed)
    Q_PROPERTY(QStringList docLines READ docLines NOTIFY changed)
    Q_PROPERTY(bool inChapter READ inChapter NOTIFY changed)
    Q_PROPERTY(int cursor READ cursor NOTIFY changed)
    Q_PROPERTY(int anchor READ anchor NOTIFY changed)
    Q_PROPERTY(bool inserted READ inserted NOTIFY changed)
    Q_PROPERTY(QString badge READ badge NOTIFY changed)
    Q_PROPERTY(bool pressed READ pressed NOTIFY changed)
    Q_PROPERTY(int kind READ kind CONSTANT)
    Q_PROPERTY(QVariantList results READ searchResults CONSTANT)
    Q_PROPERTY(QStringList chapterVerses READ chapterVerses CONSTANT)
    Q_PROPERTY(QStringList insertedLines READ chapterDocument CONSTANT)

public:
    enum Kind { Search, Chapter, Numbers, History };
    Q_ENUM(Kind)

    TipDemo(Kind kind, Scheduler& scheduler, QObject* parent = nullptr);
    ~TipDemo() override;

    Q_INVOKABLE void run();
    Q_INVOKABLE void cancel();

    // Double asterisks around a run make it bold (as Qt styled text).
    static QString bolded(const QString& text);
    // Fixed data of the demonstrations.
    static QVariantList searchResults();
    static QStringList chapterVerses();
    static QStringList chapterDocument();
    static QStringList numbersLines();

    QString query() const { return m_query; }
    QVariantList rows() const { return m_rows; }
    int selected() const { return m_selected; }
    int count() const { return m_count; }
    bool digit() const { return m_digit; }
    bool popover() const { return m_popover; }
    bool popoverHighlight() const { return m_popoverHighlight; }
    QStringList docLines() const { return m_docLines; }
    bool inChapter() const { return m_inChapter; }
    int cursor() const { return m_cursor; }
    int anchor() const { return m_anchor; }
    bool inserted() const { return m_inserted; }
    QString badge() const { return m_badge; }
    bool pressed() const { return m_pressed; }
    int kind() const { return m_kind; }

signals:
    void changed();
    // The script ran to its end.
    void finished();

private:
    // A step changes state and gives the pause before the next one (0: none).
    using Step = std::function<int()>;

    void build();
    void pause(int ms);
    void act(std::function<void()> change);
    void typeText(const QString& text, QString TipDemo::*into, int delayMs);
    void press(const QString& key);
    void advance();

    Kind m_kind;
    Scheduler& m_scheduler;
    std::vector<Step> m_steps;
    size_t m_next = 0;
    Scheduler::Handle m_pending = 0;
    bool m_cancelled = false;

    QString m_query;
    QVariantList m_rows;
    int m_selected = 0;
    int m_count = -1;
    bool m_digit = false;
    bool m_popover = false;
    bool m_popoverHighlight = false;
    QStringList m_docLines;
    bool m_inChapter = false;
    int m_cursor = 0;
    int m_anchor = 0;
    bool m_inserted = false;
    QString m_badge;
    bool m_pressed = false;
};
