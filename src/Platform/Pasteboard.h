#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

// One item on the clipboard: every format it offers, with its bytes, in order.
struct PasteboardItem {
    QList<std::pair<QString, QByteArray>> entries;

    void set(const QString& type, const QByteArray& data) { entries.append({type, data}); }
    bool operator==(const PasteboardItem&) const = default;
};

// The system clipboard. It holds a list of items (an X11 clipboard holds one).
class Pasteboard {
public:
    // The format that carries plain text (UTF-8 bytes).
    static inline const QString textType = QStringLiteral("text/plain");

    virtual ~Pasteboard() = default;

    virtual int itemCount() const = 0;
    // The formats the item declares, in order.
    virtual QStringList types(int item) const = 0;
    // The bytes of one format; nothing when they cannot be read.
    virtual std::optional<QByteArray> data(int item, const QString& type) const = 0;
    // Empties the clipboard, then puts exactly these items on it.
    virtual void clearContents() = 0;
    virtual void writeItems(const QList<PasteboardItem>& items) = 0;
};
