#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Compact JSON with members in the order they are written (QJsonObject sorts
// its keys, and the command-line output is read by people as well as programs).
class JsonWriter {
public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    JsonWriter& key(const QString& name);

    JsonWriter& value(const QString& text);
    JsonWriter& value(qint64 number);
    JsonWriter& value(bool flag);
    JsonWriter& value(const std::optional<qint64>& number);
    JsonWriter& null();
    JsonWriter& strings(const QStringList& texts);

    template <class T>
    JsonWriter& member(const QString& name, const T& v) { return key(name).value(v); }

    const QString& text() const { return m_out; }

    static QString quoted(const QString& text);

private:
    void separate();
    QString m_out;
    bool m_needComma = false;
};
