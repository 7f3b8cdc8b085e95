#include "QtPasteboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

QtPasteboard::QtPasteboard(QClipboard* clipboard) : m_clipboard(clipboard) {}

QtPasteboard& QtPasteboard::shared()
{
    static QtPasteboard pasteboard(QGuiApplication::clipboard());
    return pasteboard;
}

bool QtPasteboard::isContentFormat(const QString& type)
{
    static const QStringList notContent = {
        QStringLiteral("TARGETS"),
        QStringLiteral("MULTIPLE"),
        QStringLiteral("TIMESTAMP"),
        QStringLiteral("SAVE_TARGETS"),
        QStringLiteral("DELETE"),
        QStringLiteral("INSERT_PROPERTY"),
        QStringLiteral("INSERT_SELECTION"),
        // GTK's rich text buffer format is a pointer into the owner's memory.
        QStringLiteral("GTK_TEXT_BUFFER_CONTENTS"),
        // Qt's own image form, made from the owner's real image formats on request.
        QStringLiteral("application/x-qt-image"),
    };
    return !type.isEmpty() && !notContent.contains(type);
}

int QtPasteboard::itemCount() const
{
    const QMimeData* mime = m_clipboard->mimeData(QClipboard::Clipboard);
    return mime && !mime->formats().isEmpty() ? 1 : 0;
}

QStringList QtPasteboard::types(int item) const
{
    const QMimeData* mime = m_clipboard->mimeData(QClipboard::Clipboard);
    if (item != 0 || !mime)
        return {};
    QStringList types;
    for (const QString& type : mime->formats())
        if (isContentFormat(type))
            types.append(type);
    return types;
}

std::optional<QByteArray> QtPasteboard::data(int item, const QString& type) const
{
    const QMimeData* mime = m_clipboard->mimeData(QClipboard::Clipboard);
    if (item != 0 || !mime || !mime->hasFormat(type))
        return std::nullopt;
    return mime->data(type);
}

void QtPasteboard::clearContents()
{
    m_clipboard->clear(QClipboard::Clipboard);
}

void QtPasteboard::writeItems(const QList<PasteboardItem>& items)
{
    // The X11 clipboard holds one item; an empty list leaves it empty.
    if (items.isEmpty())
        return;
    auto* mime = new QMimeData;
    for (const auto& [type, bytes] : items.first().entries)
        mime->setData(type, bytes);
    m_clipboard->setMimeData(mime, QClipboard::Clipboard);
}
