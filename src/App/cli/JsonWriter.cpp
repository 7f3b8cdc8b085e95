#include "JsonWriter.h"

void JsonWriter::separate()
{
    if (m_needComma)
        m_out += u',';
    m_needComma = true;
}

JsonWriter& JsonWriter::beginObject()
{
    separate();
    m_out += u'{';
    m_needComma = false;
    return *this;
}

JsonWriter& JsonWriter::endObject()
{
    m_out += u'}';
    m_needComma = true;
    return *this;
}

JsonWriter& JsonWriter::beginArray()
{
    separate();
    m_out += u'[';
    m_needComma = false;
    return *this;
}

JsonWriter& JsonWriter::endArray()
{
    m_out += u']';
    m_needComma = true;
    return *this;
}

JsonWriter& JsonWriter::key(const QString& name)
{
    separate();
    m_out += quoted(name) + u':';
    m_needComma = false;
    return *this;
}

JsonWriter& JsonWriter::value(const QString& text)
{
    separate();
    m_out += quoted(text);
    return *this;
}

JsonWriter& JsonWriter::value(qint64 number)
{
    separate();
    m_out += QString::number(number);
    return *this;
}

JsonWriter& JsonWriter::value(bool flag)
{
    separate();
    m_out += flag ? QStringLiteral("true") : QStringLiteral("false");
    return *this;
}

JsonWriter& JsonWriter::value(const std::optional<qint64>& number)
{
    return number ? value(*number) : null();
}

JsonWriter& JsonWriter::null()
{
    separate();
    m_out += QStringLiteral("null");
    return *this;
}

JsonWriter& JsonWriter::strings(const QStringList& texts)
{
    beginArray();
    for (const QString& t : texts)
        value(t);
    return endArray();
}

QString JsonWriter::quoted(const QString& text)
{
    QString out;
    out.reserve(text.size() + 2);
    out += u'"';
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        switch (c.unicode()) {
        case u'"': out += QStringLiteral("\\\""); continue;
        case u'\\': out += QStringLiteral("\\\\"); continue;
        case u'\n': out += QStringLiteral("\\n"); continue;
        case u'\r': out += QStringLiteral("\\r"); continue;
        case u'\t': out += QStringLiteral("\\t"); continue;
        default: break;
        }
        const bool pairedHigh = c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        if (pairedHigh) {
            out += c;
            out += text[++i];
        } else if (c.unicode() < 0x20 || c.isSurrogate()) {
            // Control characters, and unpaired surrogates that UTF-8 cannot carry.
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        } else {
            out += c;
        }
    }
    out += u'"';
    return out;
}
