#include "BibleTsvReader.h"

#include "BibleBook.h"
#include "TextNormalization.h"

#include <QHash>
#include <QSet>
#include <QStringDecoder>

namespace BibleTsv {
namespace {

const QByteArray expectedHeader = "book_number\tbook_code\tchapter\tverse\ttext";

std::optional<qint64> positiveNumber(const QString& field)
{
    if (field.isEmpty() || field.size() > 9)
        return std::nullopt;
    qint64 value = 0;
    for (QChar c : field) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value >= 1 ? std::optional<qint64>(value) : std::nullopt;
}

}  // namespace

ParseResult read(const QByteArray& contents, const QString& sourceName)
{
    ParseResult result;
    QSet<QString> seen;

    const QList<QByteArray> lines = contents.split('\n');
    auto fail = [&](qsizetype lineIndex, const QString& what) {
        result.rows.clear();
        result.error = QStringLiteral("%1:%2: %3").arg(sourceName).arg(lineIndex + 1).arg(what);
        return result;
    };

    if (contents.isEmpty())
        return fail(0, QStringLiteral("файл порожній"));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray line = lines[i];
        if (line.endsWith('\r'))
            line.chop(1);
        if (i == 0) {
            if (line != expectedHeader)
                return fail(i, QStringLiteral("перший рядок має бути заголовком «%1»")
                                   .arg(QString::fromUtf8(expectedHeader).replace(u'\t', u' ')));
            continue;
        }
        if (line.isEmpty() && i == lines.size() - 1)
            break;  // the final line feed
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString decoded = decoder(line);
        if (decoder.hasError())
            return fail(i, QStringLiteral("рядок не є коректним UTF-8"));
        const QStringList fields = decoded.split(u'\t');
        if (fields.size() != 5)
            return fail(i, QStringLiteral("очікується 5 полів через табуляцію, а є %1").arg(fields.size()));

        const std::optional<qint64> number = positiveNumber(fields[0]);
        const BibleBook* book = BibleBook::withCode(fields[1]);
        if (!book)
            return fail(i, QStringLiteral("невідомий код книги «%1»").arg(fields[1]));
        if (!number || *number != book->number)
            return fail(i, QStringLiteral("номер книги «%1» не відповідає коду %2 (має бути %3)")
                               .arg(fields[0], fields[1])
                               .arg(book->number));
        const std::optional<qint64> chapter = positiveNumber(fields[2]);
        if (!chapter || *chapter > book->chapterCount)
            return fail(i, QStringLiteral("розділ «%1» поза межами книги %2 (1–%3)")
                               .arg(fields[2], fields[1])
                               .arg(book->chapterCount));
        const std::optional<qint64> verse = positiveNumber(fields[3]);
        if (!verse)
            return fail(i, QStringLiteral("номер вірша «%1» не є додатним числом").arg(fields[3]));
        const QString text = TextNormalization::trimmed(fields[4]);
        if (text.isEmpty())
            return fail(i, QStringLiteral("порожній текст вірша"));
        const QString key = QStringLiteral("%1.%2.%3").arg(fields[1]).arg(*chapter).arg(*verse);
        if (seen.contains(key))
            return fail(i, QStringLiteral("вірш %1 %2:%3 трапляється вдруге")
                               .arg(fields[1])
                               .arg(*chapter)
                               .arg(*verse));
        seen.insert(key);
        result.rows.append(Row{*number, fields[1], book->name, *chapter, *verse,
                               TextNormalization::nfc(text)});
    }
    if (result.rows.isEmpty())
        return fail(1, QStringLiteral("файл не містить жодного вірша"));
    return result;
}

}  // namespace BibleTsv
