#include "CliOutput.h"

#include "JsonWriter.h"

namespace CliOutput {
namespace {

QStringList codesOf(const QList<BibleBook>& books)
{
    QStringList codes;
    for (const BibleBook& book : books)
        codes.append(book.code);
    return codes;
}

QStringList namesOf(const QList<BibleBook>& books)
{
    QStringList names;
    for (const BibleBook& book : books)
        names.append(book.name);
    return names;
}

void writeItems(JsonWriter& json, const SearchResultItems& items)
{
    json.key(QStringLiteral("items")).beginArray();
    for (const SearchResultItem& item : items) {
        json.beginObject()
            .member(QStringLiteral("book"), item.book.code)
            .member(QStringLiteral("chapter"), item.chapter);
        json.key(QStringLiteral("verses")).beginArray();
        for (const VerseRecord& verse : item.verses)
            json.value(verse.verse);
        json.endArray()
            .member(QStringLiteral("isWholeChapter"), item.isWholeChapter)
            .member(QStringLiteral("matchedOtherWordForms"), item.matchedOtherWordForms)
            .member(QStringLiteral("displayReference"), item.displayReference());
        QStringList texts;
        for (const VerseRecord& verse : item.verses)
            texts.append(verse.text);
        json.key(QStringLiteral("texts")).strings(texts).endObject();
    }
    json.endArray();
}

// One line per item: the reference, then the text; several verses carry their numbers.
QString itemLine(const SearchResultItem& item)
{
    QString line = item.displayReference();
    for (const VerseRecord& verse : item.verses) {
        line += u' ';
        if (item.verses.size() > 1)
            line += QString::number(verse.verse) + u' ';
        line += verse.text;
    }
    return line;
}

QString referenceText(const BibleReference& r)
{
    QString text = r.book.name + u' ' + QString::number(r.chapter);
    if (r.verseStart)
        text += u':' + QString::number(*r.verseStart);
    if (r.verseEnd)
        text += u'–' + QString::number(*r.verseEnd);
    return text;
}

}  // namespace

QString parsedQueryJson(const ParsedQuery& parsed)
{
    JsonWriter json;
    json.beginObject();
    if (const auto* r = parsed.as<ParsedQuery::Reference>()) {
        json.member(QStringLiteral("kind"), QStringLiteral("reference"))
            .member(QStringLiteral("book"), r->reference.book.code)
            .member(QStringLiteral("chapter"), r->reference.chapter)
            .member(QStringLiteral("verseStart"), r->reference.verseStart)
            .member(QStringLiteral("verseEnd"), r->reference.verseEnd)
            .member(QStringLiteral("colonWithoutVerse"), r->reference.colonWithoutVerse);
    } else if (const auto* p = parsed.as<ParsedQuery::BookPrefix>()) {
        json.member(QStringLiteral("kind"), QStringLiteral("bookPrefix"))
            .member(QStringLiteral("input"), p->input)
            .key(QStringLiteral("suggestions"))
            .strings(codesOf(p->suggestions));
    } else if (const auto* f = parsed.as<ParsedQuery::FullTextSearch>()) {
        json.member(QStringLiteral("kind"), QStringLiteral("fullTextSearch"))
            .member(QStringLiteral("text"), f->text);
    } else if (const auto* e = parsed.as<ParsedQuery::ExactTextSearch>()) {
        json.member(QStringLiteral("kind"), QStringLiteral("exactTextSearch"))
            .member(QStringLiteral("text"), e->text);
    } else if (parsed.is<ParsedQuery::UnknownBook>()) {
        json.member(QStringLiteral("kind"), QStringLiteral("unknownBook"));
    } else {
        json.member(QStringLiteral("kind"), QStringLiteral("empty"));
    }
    json.endObject();
    return json.text();
}

QString parsedQueryText(const ParsedQuery& parsed)
{
    if (const auto* r = parsed.as<ParsedQuery::Reference>())
        return QStringLiteral("Посилання: ") + referenceText(r->reference);
    if (const auto* p = parsed.as<ParsedQuery::BookPrefix>())
        return QStringLiteral("Книги: ") + namesOf(p->suggestions).join(QStringLiteral(", "));
    if (const auto* f = parsed.as<ParsedQuery::FullTextSearch>())
        return QStringLiteral("Пошук слів: ") + f->text;
    if (const auto* e = parsed.as<ParsedQuery::ExactTextSearch>())
        return QStringLiteral("Точний пошук: ") + e->text;
    if (parsed.is<ParsedQuery::UnknownBook>())
        return SearchMessages::unknownBook;
    return QStringLiteral("Порожній запит");
}

QString outcomeJson(const SearchOutcome& outcome, std::optional<qint64> count)
{
    JsonWriter json;
    json.beginObject();
    if (const auto* r = outcome.as<SearchOutcome::Results>()) {
        json.member(QStringLiteral("kind"), QStringLiteral("results"))
            .member(QStringLiteral("count"), count);
        writeItems(json, r->items);
    } else if (const auto* b = outcome.as<SearchOutcome::BookSuggestions>()) {
        json.member(QStringLiteral("kind"), QStringLiteral("bookSuggestions"))
            .key(QStringLiteral("books"))
            .strings(codesOf(b->books));
    } else if (const auto* br = outcome.as<SearchOutcome::BooksAndResults>()) {
        json.member(QStringLiteral("kind"), QStringLiteral("booksAndResults"))
            .key(QStringLiteral("books"))
            .strings(codesOf(br->books))
            .member(QStringLiteral("count"), count);
        writeItems(json, br->results);
    } else if (const auto* m = outcome.as<SearchOutcome::Message>()) {
        json.member(QStringLiteral("kind"), QStringLiteral("message"))
            .member(QStringLiteral("text"), m->text);
    } else {
        json.member(QStringLiteral("kind"), QStringLiteral("idle"));
    }
    json.endObject();
    return json.text();
}

QString outcomeText(const SearchOutcome& outcome)
{
    QStringList lines;
    if (const auto* r = outcome.as<SearchOutcome::Results>()) {
        for (const SearchResultItem& item : r->items)
            lines.append(itemLine(item));
    } else if (const auto* b = outcome.as<SearchOutcome::BookSuggestions>()) {
        lines = namesOf(b->books);
    } else if (const auto* br = outcome.as<SearchOutcome::BooksAndResults>()) {
        lines = namesOf(br->books);
        for (const SearchResultItem& item : br->results)
            lines.append(itemLine(item));
    } else if (const auto* m = outcome.as<SearchOutcome::Message>()) {
        lines.append(m->text);
    }
    return lines.join(u'\n');
}

QString rangesJson(const std::vector<SearchHighlighter::Range>& ranges)
{
    JsonWriter json;
    json.beginArray();
    for (const SearchHighlighter::Range& range : ranges)
        json.beginArray().value(qint64(range.start)).value(qint64(range.end)).endArray();
    json.endArray();
    return json.text();
}

QString rangesText(const std::vector<SearchHighlighter::Range>& ranges, QStringView text)
{
    QStringList lines;
    for (const SearchHighlighter::Range& range : ranges)
        lines.append(QStringLiteral("%1–%2 %3")
                         .arg(range.start)
                         .arg(range.end)
                         .arg(text.mid(range.start, range.end - range.start)));
    return lines.join(u'\n');
}

}  // namespace CliOutput
