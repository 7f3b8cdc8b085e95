#pragma once

#include "ChapterVersesModel.h"
#include "SearchResultRow.h"
#include "SearchResultRowsModel.h"

#include <QObject>
#include <QVariant>

#include <optional>

class BibleDatabase;
class BibleSearchService;
class ClipboardService;
class InsertionPreferences;
class SearchHistoryStore;

// What the panel's model works with. Any may be null: a null database opens no
// chapter, a null clipboard copies nothing.
struct SearchPanelServices {
    BibleSearchService* search = nullptr;
    BibleDatabase* database = nullptr;
    SearchHistoryStore* history = nullptr;
    InsertionPreferences* preferences = nullptr;
    ClipboardService* clipboard = nullptr;

    // The program's shared instances.
    static SearchPanelServices shared();
};

// The panel's whole behaviour without a window: query, outcome, rows, the selection
// (cursor and anchor), the history list and the chapter mode.
class SearchPanelState : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString query READ query WRITE setQuery NOTIFY queryChanged)
    Q_PROPERTY(QString outcomeKind READ outcomeKind NOTIFY outcomeChanged)
    Q_PROPERTY(QString message READ message NOTIFY outcomeChanged)
    Q_PROPERTY(int selectedIndex READ selectedIndex NOTIFY selectedIndexChanged)
    Q_PROPERTY(QVariant selectionAnchor READ selectionAnchorValue NOTIFY selectionAnchorChanged)
    Q_PROPERTY(bool isShowingHistory READ isShowingHistory NOTIFY isShowingHistoryChanged)
    Q_PROPERTY(bool hasContext READ hasContext NOTIFY contextChanged)
    Q_PROPERTY(QVariant resultCount READ resultCountValue NOTIFY resultCountChanged)
    Q_PROPERTY(SearchResultRowsModel* rows READ rowsModel CONSTANT)
    Q_PROPERTY(int selectionFirst READ selectionFirst NOTIFY selectionChanged)
    Q_PROPERTY(int selectionLast READ selectionLast NOTIFY selectionChanged)
    Q_PROPERTY(bool isMultiSelection READ isMultiSelection NOTIFY selectionChanged)
    // The chapter mode, for the view.
    Q_PROPERTY(ChapterVersesModel* contextVerses READ contextVersesModel CONSTANT)
    Q_PROPERTY(QString contextTitle READ contextTitle NOTIFY contextChanged)
    Q_PROPERTY(int contextCursor READ contextCursor NOTIFY contextChanged)
    Q_PROPERTY(int contextFirst READ contextFirst NOTIFY contextChanged)
    Q_PROPERTY(int contextLast READ contextLast NOTIFY contextChanged)

public:
    // The chapter mode: a whole chapter, its cursor verse and the other end of the
    // selected stretch (indices into `verses`).
    struct ChapterContext {
        BibleBook book;
        qint64 chapter = 0;
        Verses verses;  // never empty
        qsizetype cursor = 0;
        qsizetype anchor = 0;

        std::pair<qsizetype, qsizetype> selectedRange() const;
        SearchResultItem selectedItem() const;
        QString title() const;
        bool operator==(const ChapterContext&) const = default;
    };

    explicit SearchPanelState(const SearchPanelServices& services, QObject* parent = nullptr);

    // Observable values: every assignment notifies.
    QString query() const { return m_query; }
    void setQuery(const QString& query);
    const SearchOutcome& outcome() const { return m_outcome; }
    int selectedIndex() const { return m_selectedIndex; }
    std::optional<int> selectionAnchor() const { return m_selectionAnchor; }
    bool isShowingHistory() const { return m_isShowingHistory; }
    const std::optional<ChapterContext>& context() const { return m_context; }
    bool hasContext() const { return m_context.has_value(); }
    std::optional<qint64> resultCount() const { return m_resultCount; }
    const SearchResultRows& rows() const { return m_rowsModel.rows(); }
    SearchResultRowsModel* rowsModel() { return &m_rowsModel; }
    ChapterVersesModel* contextVersesModel() { return &m_contextVerses; }
    int selectionFirst() const { return selectedRange().first; }
    int selectionLast() const { return selectedRange().second; }
    QString contextTitle() const { return m_context ? m_context->title() : QString(); }
    int contextCursor() const { return m_context ? static_cast<int>(m_context->cursor) : -1; }
    int contextFirst() const { return m_context ? static_cast<int>(m_context->selectedRange().first) : -1; }
    int contextLast() const { return m_context ? static_cast<int>(m_context->selectedRange().second) : -1; }

    // Derived.
    std::pair<int, int> selectedRange() const;
    bool isMultiSelection() const;

    Q_INVOKABLE void updateSearch();
    Q_INVOKABLE void reset();
    Q_INVOKABLE void appendToQuery(const QString& text);
    Q_INVOKABLE void moveSelection(int step, bool extend);
    Q_INVOKABLE void select(int index, bool extend);
    Q_INVOKABLE bool enterContext();
    Q_INVOKABLE void exitContext();
    Q_INVOKABLE void moveContext(int step, bool extend);
    Q_INVOKABLE void selectContext(int index, bool extend);
    // The text to insert, or nothing when nothing is to be inserted.
    std::optional<QString> activateSelection();
    Q_INVOKABLE void copySelectedToClipboard();

    // "results", "bookSuggestions", "booksAndResults", "message", "idle".
    QString outcomeKind() const;
    // The message outcome's text; empty for the others.
    QString message() const;

    // The rows an outcome lists.
    static SearchResultRows rows(const SearchOutcome& outcome);

signals:
    void queryChanged();
    void outcomeChanged();
    void selectedIndexChanged();
    void selectionAnchorChanged();
    void isShowingHistoryChanged();
    void contextChanged();
    void resultCountChanged();
    void rowsChanged();
    // Any change of the cursor or the anchor.
    void selectionChanged();

private:
    QVariant selectionAnchorValue() const;
    QVariant resultCountValue() const;

    void setOutcome(const SearchOutcome& outcome);
    void setRows(const SearchResultRows& rows);
    void setSelectedIndex(int index);
    void setSelectionAnchor(std::optional<int> anchor);
    void setShowingHistory(bool showing);
    void setContext(const std::optional<ChapterContext>& context);
    void setResultCount(std::optional<qint64> count);

    QList<SearchResultItem> selectedVerseItems() const;
    std::optional<QString> formattedSelection() const;
    QString format(const SearchResultItem& item) const;
    void recordQuery();

    SearchPanelServices m_services;
    QString m_query;
    SearchOutcome m_outcome;
    int m_selectedIndex = 0;
    std::optional<int> m_selectionAnchor;
    bool m_isShowingHistory = false;
    std::optional<ChapterContext> m_context;
    std::optional<qint64> m_resultCount;
    SearchResultRowsModel m_rowsModel;
    ChapterVersesModel m_contextVerses;
};
