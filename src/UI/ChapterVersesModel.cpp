#include "ChapterVersesModel.h"

void ChapterVersesModel::setVerses(const Verses& verses)
{
    if (verses == m_verses)
        return;
    beginResetModel();
    m_verses = verses;
    endResetModel();
    emit countChanged();
}

int ChapterVersesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant ChapterVersesModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    const VerseRecord& verse = m_verses[index.row()];
    switch (role) {
    case NumberRole:
        return verse.verse;
    case Qt::DisplayRole:
    case TextRole:
        return verse.text;
    case RowIdRole:  // the row's identity for scrolling
        return QStringLiteral("ctx:%1").arg(verse.verse);
    default:
        return {};
    }
}

QHash<int, QByteArray> ChapterVersesModel::roleNames() const
{
    return {{NumberRole, "number"}, {TextRole, "text"}, {RowIdRole, "rowId"}};
}
