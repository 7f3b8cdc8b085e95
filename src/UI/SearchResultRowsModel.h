#pragma once

#include "SearchResultRow.h"

#include <QAbstractListModel>

// The panel's rows for a ListView, which asks only for the rows it shows: a word
// found in thousands of verses costs one model reset, not thousands of delegates.
class SearchResultRowsModel : public QAbstractListModel {
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    enum Role {
        KindRole = Qt::UserRole + 1,  // "verse", "book", "history"
        RowIdRole,
        TitleRole,                    // reference, book name or query
        PreviewTextRole,              // first verse's text
        VerseCountRole,
        IsWholeChapterRole,
        MatchedOtherWordFormsRole,
        PreviewRole,                  // what the row shows of its verses
        HintRole,                     // "…ще 5 — → відкрити весь розділ", or empty
        StartsOtherWordFormsRole,     // the first row found only through other word forms
    };

    // The verses as the row shows them: the first verse alone for a single verse or a
    // whole chapter, otherwise "16 текст 17 текст".
    static QString preview(const SearchResultItem& item);
    // For a whole chapter: how many more verses it holds.
    static QString remainingVersesHint(const SearchResultItem& item);
    bool startsOtherWordForms(int index) const;

    using QAbstractListModel::QAbstractListModel;

    void setRows(const SearchResultRows& rows);
    const SearchResultRows& rows() const { return m_rows; }
    int count() const { return static_cast<int>(m_rows.size()); }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

signals:
    void countChanged();

private:
    SearchResultRows m_rows;
};
