#include "SearchPanelState.h"

#include "BibleDatabase.h"
#include "BibleSearchService.h"
#include "ClipboardService.h"
#include "InsertionFormatter.h"
#include "InsertionPreferences.h"
#include "SearchHistoryStore.h"

#include <algorithm>

SearchPanelServices SearchPanelServices::shared()
{
    return {&BibleSearchService::shared(), BibleDatabase::shared(), &SearchHistoryStore::shared(),
            &InsertionPreferences::shared(), &ClipboardService::shared()};
}

// ---- ChapterContext

std::pair<qsizetype, qsizetype> SearchPanelState::ChapterContext::selectedRange() const
{
    return {std::min(cursor, anchor), std::max(cursor, anchor)};
}

SearchResultItem SearchPanelState::ChapterContext::selectedItem() const
{
    const auto [first, last] = selectedRange();
    return SearchResultItem{book, chapter, verses.mid(first, last - first + 1), false, false};
}

QString SearchPanelState::ChapterContext::title() const
{
    return book.name + u' ' + QString::number(chapter);
}

// ---- observable values

SearchPanelState::SearchPanelState(const SearchPanelServices& services, QObject* parent)
    : QObject(parent), m_services(services), m_rowsModel(this), m_contextVerses(this)
{
    connect(this, &SearchPanelState::selectedIndexChanged, this, &SearchPanelState::selectionChanged);
    connect(this, &SearchPanelState::selectionAnchorChanged, this, &SearchPanelState::selectionChanged);
}

void SearchPanelState::setQuery(const QString& query)
{
    m_query = query;
    emit queryChanged();
}

void SearchPanelState::setOutcome(const SearchOutcome& outcome)
{
    m_outcome = outcome;
    emit outcomeChanged();
}

void SearchPanelState::setRows(const SearchResultRows& rows)
{
    m_rowsModel.setRows(rows);
    emit rowsChanged();
}

void SearchPanelState::setSelectedIndex(int index)
{
    m_selectedIndex = index;
    emit selectedIndexChanged();
}

void SearchPanelState::setSelectionAnchor(std::optional<int> anchor)
{
    m_selectionAnchor = anchor;
    emit selectionAnchorChanged();
}

void SearchPanelState::setShowingHistory(bool showing)
{
    m_isShowingHistory = showing;
    emit isShowingHistoryChanged();
}

void SearchPanelState::setContext(const std::optional<ChapterContext>& context)
{
    m_context = context;
    m_contextVerses.setVerses(context ? context->verses : Verses{});
    emit contextChanged();
}

void SearchPanelState::setResultCount(std::optional<qint64> count)
{
    m_resultCount = count;
    emit resultCountChanged();
}

QString SearchPanelState::outcomeKind() const
{
    static const char* const kinds[] = {"results", "bookSuggestions", "booksAndResults", "message", "idle"};
    return QLatin1String(kinds[m_outcome.value.index()]);
}

QString SearchPanelState::message() const
{
    const auto* message = m_outcome.as<SearchOutcome::Message>();
    return message ? message->text : QString();
}

QVariant SearchPanelState::selectionAnchorValue() const
{
    return m_selectionAnchor ? QVariant(*m_selectionAnchor) : QVariant();
}

QVariant SearchPanelState::resultCountValue() const
{
    return m_resultCount ? QVariant(*m_resultCount) : QVariant();
}

// ---- derived

std::pair<int, int> SearchPanelState::selectedRange() const
{
    const int other = m_selectionAnchor.value_or(m_selectedIndex);
    return {std::min(m_selectedIndex, other), std::max(m_selectedIndex, other)};
}

bool SearchPanelState::isMultiSelection() const
{
    const auto [first, last] = selectedRange();
    return last > first;
}

QList<SearchResultItem> SearchPanelState::selectedVerseItems() const
{
    QList<SearchResultItem> items;
    const auto [first, last] = selectedRange();
    for (int i = std::max(first, 0); i <= last && i < rows().size(); ++i)
        if (const SearchResultItem* item = rows()[i].verseItem())
            items.append(*item);
    return items;
}

// ---- operations

SearchResultRows SearchPanelState::rows(const SearchOutcome& outcome)
{
    SearchResultRows rows;
    auto addItems = [&](const SearchResultItems& items) {
        for (const SearchResultItem& item : items)
            rows.append(SearchResultRow::verse(item));
    };
    auto addBooks = [&](const QList<BibleBook>& books) {
        for (const BibleBook& book : books)
            rows.append(SearchResultRow::book(book));
    };
    if (const auto* r = outcome.as<SearchOutcome::Results>()) {
        rows.reserve(r->items.size());
        addItems(r->items);
    } else if (const auto* b = outcome.as<SearchOutcome::BookSuggestions>()) {
        addBooks(b->books);
    } else if (const auto* br = outcome.as<SearchOutcome::BooksAndResults>()) {
        rows.reserve(br->books.size() + br->results.size());
        addBooks(br->books);
        addItems(br->results);
    }
    return rows;
}

void SearchPanelState::updateSearch()
{
    setShowingHistory(false);
    setContext(std::nullopt);
    setOutcome(m_services.search ? m_services.search->search(m_query) : SearchOutcome{});
    setRows(rows(m_outcome));
    setSelectedIndex(0);
    setSelectionAnchor(std::nullopt);
    const bool listsVerses = m_outcome.is<SearchOutcome::Results>() || m_outcome.is<SearchOutcome::BooksAndResults>();
    setResultCount(listsVerses && m_services.search ? m_services.search->wordMatchCount(m_query) : std::nullopt);
}

void SearchPanelState::reset()
{
    setQuery(QString());
    setOutcome(SearchOutcome{});
    setRows({});
    setSelectedIndex(0);
    setSelectionAnchor(std::nullopt);
    setShowingHistory(false);
    setContext(std::nullopt);
    setResultCount(std::nullopt);
}

void SearchPanelState::appendToQuery(const QString& text)
{
    setQuery(m_query + text);
}

void SearchPanelState::moveSelection(int step, bool extend)
{
    // 1. ↓ in an empty field opens the recent queries, the most recent first.
    const QStringList recent = m_services.history ? m_services.history->recent() : QStringList();
    if (m_query.isEmpty() && !m_isShowingHistory && step >= 1 && !recent.isEmpty()) {
        setShowingHistory(true);
        SearchResultRows historyRows;
        for (const QString& query : recent)
            historyRows.append(SearchResultRow::history(query));
        setRows(historyRows);
        setSelectedIndex(0);
        setSelectionAnchor(std::nullopt);
        return;
    }
    // 2.
    const int count = static_cast<int>(rows().size());
    if (count == 0)
        return;
    // 3. A plain move wraps; the history never extends.
    if (!extend || m_isShowingHistory) {
        setSelectionAnchor(std::nullopt);
        setSelectedIndex(((m_selectedIndex + step) % count + count) % count);
        return;
    }
    // 4. Extending stops at either end.
    if (!m_selectionAnchor)
        setSelectionAnchor(m_selectedIndex);
    setSelectedIndex(std::clamp(m_selectedIndex + step, 0, count - 1));
}

void SearchPanelState::select(int index, bool extend)
{
    if (index < 0 || index >= rows().size())
        return;
    if (!extend || m_isShowingHistory)
        setSelectionAnchor(std::nullopt);
    else if (!m_selectionAnchor)
        setSelectionAnchor(m_selectedIndex);
    setSelectedIndex(index);
}

bool SearchPanelState::enterContext()
{
    // 1.
    if (m_isShowingHistory || isMultiSelection())
        return false;
    // 2. The cursor row must be a verse result.
    if (m_selectedIndex < 0 || m_selectedIndex >= rows().size())
        return false;
    const SearchResultItem* item = rows()[m_selectedIndex].verseItem();
    if (!item || !m_services.database)
        return false;
    // 3. The whole chapter; a failed or empty read opens nothing.
    const Result<Verses> read = m_services.database->chapter(item->book.code, item->chapter);
    if (!read || read.value().isEmpty())
        return false;
    const Verses& verses = read.value();
    auto indexOf = [&](qint64 number) -> std::optional<qsizetype> {
        for (qsizetype i = 0; i < verses.size(); ++i)
            if (verses[i].verse == number)
                return i;
        return std::nullopt;
    };
    // 4.–5. Cursor on the item's first verse, anchor on its last.
    const qsizetype cursor = item->verses.isEmpty() ? 0 : indexOf(item->verses.first().verse).value_or(0);
    qsizetype anchor = item->verses.isEmpty() ? cursor : indexOf(item->verses.last().verse).value_or(cursor);
    // 6. A whole chapter opens with its first verse alone selected.
    if (item->verses.size() == verses.size())
        anchor = cursor;
    // 7. Rows and selection stay for the way back.
    setContext(ChapterContext{item->book, item->chapter, verses, cursor, anchor});
    return true;
}

void SearchPanelState::exitContext()
{
    setContext(std::nullopt);
}

void SearchPanelState::moveContext(int step, bool extend)
{
    if (!m_context)
        return;
    ChapterContext context = *m_context;
    context.cursor = std::clamp<qsizetype>(context.cursor + step, 0, context.verses.size() - 1);
    if (!extend)
        context.anchor = context.cursor;
    setContext(context);
}

void SearchPanelState::selectContext(int index, bool extend)
{
    if (!m_context || index < 0 || index >= m_context->verses.size())
        return;
    ChapterContext context = *m_context;
    context.cursor = index;
    if (!extend)
        context.anchor = index;
    setContext(context);
}

QString SearchPanelState::format(const SearchResultItem& item) const
{
    return m_services.preferences ? InsertionFormatter::format(item, *m_services.preferences) : QString();
}

void SearchPanelState::recordQuery()
{
    if (m_services.history)
        m_services.history->record(m_query);
}

std::optional<QString> SearchPanelState::formattedSelection() const
{
    const QList<SearchResultItem> items = selectedVerseItems();
    if (items.isEmpty())
        return std::nullopt;
    QStringList texts;
    for (const SearchResultItem& item : items)
        texts.append(format(item));
    const bool numbered = m_services.preferences && m_services.preferences->includeVerseNumbers();
    return texts.join(numbered ? QStringLiteral("\n\n") : QStringLiteral("\n"));
}

std::optional<QString> SearchPanelState::activateSelection()
{
    // 1. The chapter's stretch; the query that led there is recorded.
    if (m_context) {
        recordQuery();
        return format(m_context->selectedItem());
    }
    // 2.
    if (m_selectedIndex < 0 || m_selectedIndex >= rows().size())
        return std::nullopt;
    // 3. Several rows: their verse results, joined.
    if (isMultiSelection()) {
        const std::optional<QString> text = formattedSelection();
        if (text)
            recordQuery();
        return text;
    }
    // 4. By the cursor row.
    const SearchResultRow row = rows()[m_selectedIndex];
    if (const SearchResultItem* item = row.verseItem()) {
        recordQuery();
        return format(*item);
    }
    if (const BibleBook* book = row.bookValue()) {
        setQuery(book->name + u' ');
        updateSearch();
        return std::nullopt;
    }
    setQuery(*row.historyText());
    updateSearch();
    return std::nullopt;
}

void SearchPanelState::copySelectedToClipboard()
{
    if (!m_services.clipboard)
        return;
    // 1.
    if (m_context) {
        m_services.clipboard->copy(format(m_context->selectedItem()));
        return;
    }
    // 2. The same text Return would insert; nothing for book or history rows.
    if (m_selectedIndex < 0 || m_selectedIndex >= rows().size())
        return;
    if (const std::optional<QString> text = formattedSelection())
        m_services.clipboard->copy(*text);
}
