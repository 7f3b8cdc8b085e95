#pragma once

#include "MemorySettingsStore.h"

// An in-memory store that also lists every write, in order, as "key=value".
class RecordingSettingsStore : public MemorySettingsStore {
public:
    using MemorySettingsStore::MemorySettingsStore;

    QStringList writes;

    void setBool(const QString& key, bool value) override
    {
        writes.append(key + u'=' + (value ? "true" : "false"));
        MemorySettingsStore::setBool(key, value);
    }
    void setString(const QString& key, const QString& value) override
    {
        writes.append(key + u'=' + value);
        MemorySettingsStore::setString(key, value);
    }
    void setStringList(const QString& key, const QStringList& value) override
    {
        writes.append(key + u'=' + value.join(u'|'));
        MemorySettingsStore::setStringList(key, value);
    }
    void setInteger(const QString& key, qint64 value) override
    {
        writes.append(key + u'=' + QString::number(value));
        MemorySettingsStore::setInteger(key, value);
    }
};
