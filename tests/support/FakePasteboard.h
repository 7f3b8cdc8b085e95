#pragma once

#include "Pasteboard.h"

#include <QSet>

// A clipboard in memory. Formats listed in `unreadable` declare themselves but give
// no bytes, as a misbehaving owner's might. Counts every write.
class FakePasteboard : public Pasteboard {
public:
    QList<PasteboardItem> items;
    QSet<QString> unreadable;
    int clears = 0;
    int writes = 0;

    int itemCount() const override { return static_cast<int>(items.size()); }
    QStringList types(int item) const override
    {
        QStringList result;
        for (const auto& entry : items.value(item).entries)
            result.append(entry.first);
        return result;
    }
    std::optional<QByteArray> data(int item, const QString& type) const override
    {
        if (unreadable.contains(type))
            return std::nullopt;
        for (const auto& [t, bytes] : items.value(item).entries)
            if (t == type)
                return bytes;
        return std::nullopt;
    }
    void clearContents() override
    {
        ++clears;
        items.clear();
    }
    void writeItems(const QList<PasteboardItem>& newItems) override
    {
        ++writes;
        items += newItems;
    }

    QString text() const
    {
        const auto bytes = items.isEmpty() ? std::nullopt : data(0, Pasteboard::textType);
        return bytes ? QString::fromUtf8(*bytes) : QString();
    }
};
