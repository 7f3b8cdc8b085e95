#include "ClipboardService.h"

#include "Qt/QtPasteboard.h"

ClipboardService::ClipboardService(Pasteboard& pasteboard) : m_pasteboard(pasteboard) {}

ClipboardService& ClipboardService::shared()
{
    static ClipboardService service(QtPasteboard::shared());
    return service;
}

void ClipboardService::copy(const QString& text)
{
    // A restore still pending must not overwrite what the user copied.
    m_savedItems.reset();
    PasteboardItem item;
    item.set(Pasteboard::textType, text.toUtf8());
    m_pasteboard.clearContents();
    m_pasteboard.writeItems({item});
}

void ClipboardService::copyTransient(const QString& text)
{
    // 1. Snapshot what the clipboard holds. When a snapshot is already held, the
    //    clipboard holds our own transient text from an insertion whose restore is
    //    still pending: the user's content is the older snapshot, so it is kept.
    if (!m_savedItems)
        m_savedItems = snapshotCurrentPasteboard();
    // 2.
    m_pasteboard.clearContents();
    // 3. One item: the text, marked transient for clipboard managers.
    PasteboardItem item;
    item.set(Pasteboard::textType, text.toUtf8());
    item.set(transientMarker, QByteArray());
    item.set(passwordManagerHint, QByteArrayLiteral("secret"));
    // 4.
    m_pasteboard.writeItems({item});
}

QList<PasteboardItem> ClipboardService::snapshotCurrentPasteboard() const
{
    QList<PasteboardItem> items;
    for (int i = 0; i < m_pasteboard.itemCount(); ++i) {
        PasteboardItem copy;
        for (const QString& type : m_pasteboard.types(i)) {
            // A format whose bytes cannot be read is left out; the rest is kept.
            if (const std::optional<QByteArray> bytes = m_pasteboard.data(i, type))
                copy.set(type, *bytes);
        }
        items.append(copy);
    }
    return items;
}

void ClipboardService::restorePreviousIfNeeded()
{
    if (!m_savedItems)
        return;
    const QList<PasteboardItem> items = std::move(*m_savedItems);
    m_savedItems.reset();
    m_pasteboard.clearContents();
    m_pasteboard.writeItems(items);
}
