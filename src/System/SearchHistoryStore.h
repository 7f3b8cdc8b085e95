#pragma once

#include <QStringList>

class SettingsStore;

// Recent queries, most recent first, persisted in the settings store.
class SearchHistoryStore {
public:
    static inline const QString key = QStringLiteral("com.lampstride.searchHistory");
    static constexpr qsizetype limit = 100;

    // Loads the stored list as it is (not trimmed, not de-duplicated).
    explicit SearchHistoryStore(SettingsStore& store);
    static SearchHistoryStore& shared();

    const QStringList& recent() const { return m_recent; }
    // Puts the trimmed query first, drops any entry equal to it ignoring case,
    // keeps at most 100 entries and writes the list. Blank queries change nothing.
    void record(const QString& query);

private:
    SettingsStore& m_store;
    QStringList m_recent;
};
