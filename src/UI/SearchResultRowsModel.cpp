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
    };
}
