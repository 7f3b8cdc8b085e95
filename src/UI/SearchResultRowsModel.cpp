#include "SearchResultRowsModel.h"

void SearchResultRowsModel::setRows(const SearchResultRows& rows)
{
    beginResetModel();
    m_rows = rows;
    endResetModel();
    emit countChanged();
}

int SearchResultRowsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant SearchResultRowsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= count())
        return {};
    const SearchResultRow& row = m_rows[index.row()];
    const SearchResultItem* item = row.verseItem();
    switch (role) {
    case KindRole:
        switch (row.kind()) {
        case SearchResultRow::Kind::Verse: return QStringLiteral("verse");
        case SearchResultRow::Kind::Book: return QStringLiteral("book");
        case SearchResultRow::Kind::History: return QStringLiteral("history");
        }
        return {};
    case RowIdRole:
        return row.id();
    case Qt::DisplayRole:
    case TitleRole:
        if (item)
            return item->displayReference();
        if (const BibleBook* book = row.bookValue())
            return book->name;
        return *row.historyText();
    case PreviewTextRole:
        return item ? item->previewText() : QString();
    case VerseCountRole:
        return item ? static_cast<int>(item->verses.size()) : 0;
    case IsWholeChapterRole:
        return item && item->isWholeChapter;
    case MatchedOtherWordFormsRole:
        return item && item->matchedOtherWordForms;
    case PreviewRole:
        return item ? preview(*item) : QString();
    case HintRole:
        return item ? remainingVersesHint(*item) : QString();
    case StartsOtherWordFormsRole:
        return startsOtherWordForms(index.row());
    default:
        return {};
    }
}

QHash<int, QByteArray> SearchResultRowsModel::roleNames() const
{
    return {
        {KindRole, "kind"},
        {RowIdRole, "rowId"},
        {TitleRole, "title"},
        {PreviewTextRole, "previewText"},
        {VerseCountRole, "verseCount"},
        {IsWholeChapterRole, "isWholeChapter"},
        {MatchedOtherWordFormsRole, "matchedOtherWordForms"},
        {PreviewRole, "preview"},
        {HintRole, "hint"},
        {StartsOtherWordFormsRole, "startsOtherWordForms"},
    };
}

QString SearchResultRowsModel::preview(const SearchResultItem& item)
{
    if (item.verses.size() == 1 || item.isWholeChapter)
        return item.previewText();
    QStringList parts;
    for (const VerseRecord& verse : item.verses)
        parts.append(QString::number(verse.verse) + u' ' + verse.text);
    return parts.join(u' ');
}

QString SearchResultRowsModel::remainingVersesHint(const SearchResultItem& item)
{
    if (!item.isWholeChapter || item.verses.size() <= 1)
        return {};
    return QStringLiteral("…ще %1 — → відкрити весь розділ").arg(item.verses.size() - 1);
}

bool SearchResultRowsModel::startsOtherWordForms(int index) const
{
    if (index <= 0 || index >= count())
        return false;
    const SearchResultItem* item = m_rows[index].verseItem();
    const SearchResultItem* before = m_rows[index - 1].verseItem();
    return item && item->matchedOtherWordForms && before && !before->matchedOtherWordForms;
}
