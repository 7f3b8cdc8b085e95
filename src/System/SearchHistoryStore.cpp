#include "SearchHistoryStore.h"

#include "SettingsStore.h"
#include "TextNormalization.h"

#include "Qt/IniSettingsStore.h"

SearchHistoryStore::SearchHistoryStore(SettingsStore& store)
    : m_store(store), m_recent(store.stringListValue(key).value_or(QStringList{}))
{
}

SearchHistoryStore& SearchHistoryStore::shared()
{
    static SearchHistoryStore store(IniSettingsStore::standard());
    return store;
}

void SearchHistoryStore::record(const QString& query)
{
    // 1.–2. Trimmed; nothing for a blank query.
    const QString trimmed = TextNormalization::trimmed(query);
    if (trimmed.isEmpty())
        return;
    // 3. Entries equal to it apart from letter case go.
    m_recent.removeIf([&](const QString& entry) { return TextNormalization::equalIgnoringCase(entry, trimmed); });
    // 4. It goes first.
    m_recent.prepend(trimmed);
    // 5. At most 100.
    if (m_recent.size() > limit)
        m_recent.resize(limit);
    // 6. Every record writes.
    m_store.setStringList(key, m_recent);
}
