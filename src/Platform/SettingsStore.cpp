#include "SettingsStore.h"

namespace SettingsValues {

std::optional<bool> toBool(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool();
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Double:
        return value.toDouble() != 0;
    case QMetaType::QString: {
        const QString word = value.toString().trimmed().toLower();
        if (word == QLatin1String("true") || word == QLatin1String("yes"))
            return true;
        if (word == QLatin1String("false") || word == QLatin1String("no"))
            return false;
        bool isNumber = false;
        const double number = word.toDouble(&isNumber);
        return isNumber ? std::optional<bool>(number != 0) : std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

std::optional<QString> toString(const QVariant& value)
{
    return value.typeId() == QMetaType::QString ? std::optional<QString>(value.toString()) : std::nullopt;
}

std::optional<QStringList> toStringList(const QVariant& value)
{
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList();
    if (value.typeId() != QMetaType::QVariantList)
        return std::nullopt;
    QStringList list;
    for (const QVariant& element : value.toList()) {
        if (element.typeId() != QMetaType::QString)
            return std::nullopt;
        list.append(element.toString());
    }
    return list;
}

std::optional<qint64> toInteger(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
        return value.toLongLong();
    case QMetaType::QString: {
        bool ok = false;
        const qint64 number = value.toString().trimmed().toLongLong(&ok);
        return ok ? std::optional<qint64>(number) : std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

}  // namespace SettingsValues
