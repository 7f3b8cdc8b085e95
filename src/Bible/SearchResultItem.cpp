#include "SearchResultItem.h"

QString SearchResultItem::verseLabel() const
{
    if (verses.isEmpty())
        return {};
    const qint64 first = verses.first().verse;
    const qint64 last = verses.last().verse;
    if (first == last)
        return QString::number(first);
    return QString::number(first) + u'–' + QString::number(last);
}

QString SearchResultItem::displayReference() const
{
    QString reference = book.name + u' ' + QString::number(chapter);
    const QString label = verseLabel();
    if (!label.isEmpty())
        reference += u':' + label;
    return reference;
}

QString SearchResultItem::id() const
{
    const qint64 first = verses.isEmpty() ? 0 : verses.first().verse;
    const qint64 last = verses.isEmpty() ? 0 : verses.last().verse;
    return QStringLiteral("%1.%2.%3-%4").arg(book.code).arg(chapter).arg(first).arg(last);
}

QString SearchResultItem::previewText() const
{
    return verses.isEmpty() ? QString() : verses.first().text;
}
