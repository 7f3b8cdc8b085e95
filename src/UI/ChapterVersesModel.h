#pragma once

#include "BibleDatabase.h"

#include <QAbstractListModel>

// The verses of the open chapter, for the chapter view's list.
class ChapterVersesModel : public QAbstractListModel {
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    enum Role { NumberRole = Qt::UserRole + 1, TextRole, RowIdRole };

    using QAbstractListModel::QAbstractListModel;

    // Resets only when the verses differ, so that moving the cursor keeps the list.
    void setVerses(const Verses& verses);
    int count() const { return static_cast<int>(m_verses.size()); }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

signals:
    void countChanged();

private:
    Verses m_verses;
};
