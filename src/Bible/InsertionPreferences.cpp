#include "InsertionPreferences.h"

#include "InsertionFormatter.h"
#include "SettingsStore.h"

#include "Qt/IniSettingsStore.h"

namespace InsertionChoices {
namespace {

template <class T>
struct Choice {
    T value;
    const char* raw;
    const char* title;
};

const Choice<NumberedStyle> numberedStyles[] = {
    {NumberedStyle::Multiline, "multiline", "Кожен вірш окремим рядком"},
    {NumberedStyle::SingleLine, "singleLine", "Без абзаців (одним текстом)"},
};
const Choice<ReferencePosition> referencePositions[] = {
    {ReferencePosition::After, "after", "Після тексту"},
    {ReferencePosition::Before, "before", "Перед текстом"},
};
const Choice<FormatKind> formatKinds[] = {
    {FormatKind::TextWithReference, "textWithReference", "Текст + посилання"},
    {FormatKind::ReferenceWithText, "referenceWithText", "Посилання + текст"},
    {FormatKind::ReferenceOnSeparateLine, "referenceOnSeparateLine", "Посилання окремим рядком"},
    {FormatKind::TextOnly, "textOnly", "Тільки текст"},
    {FormatKind::Custom, "custom", "Власний шаблон"},
};

template <class T, size_t N>
const Choice<T>& choiceOf(const Choice<T> (&table)[N], T value)
{
    for (const Choice<T>& c : table)
        if (c.value == value)
            return c;
    return table[0];
}

// Exact, case-sensitive match against the raw values.
template <class T, size_t N>
std::optional<T> valueOf(const Choice<T> (&table)[N], const QString& raw)
{
    for (const Choice<T>& c : table)
        if (raw == QLatin1String(c.raw))
            return c.value;
    return std::nullopt;
}

template <class T, size_t N>
QList<T> valuesOf(const Choice<T> (&table)[N])
{
    QList<T> values;
    for (const Choice<T>& c : table)
        values.append(c.value);
    return values;
}

}  // namespace

QString rawValue(NumberedStyle v) { return QLatin1String(choiceOf(numberedStyles, v).raw); }
QString rawValue(ReferencePosition v) { return QLatin1String(choiceOf(referencePositions, v).raw); }
QString rawValue(FormatKind v) { return QLatin1String(choiceOf(formatKinds, v).raw); }
std::optional<NumberedStyle> numberedStyle(const QString& raw) { return valueOf(numberedStyles, raw); }
std::optional<ReferencePosition> referencePosition(const QString& raw) { return valueOf(referencePositions, raw); }
std::optional<FormatKind> formatKind(const QString& raw) { return valueOf(formatKinds, raw); }
QList<NumberedStyle> allNumberedStyles() { return valuesOf(numberedStyles); }
QList<ReferencePosition> allReferencePositions() { return valuesOf(referencePositions); }
QList<FormatKind> allFormatKinds() { return valuesOf(formatKinds); }
QString title(NumberedStyle v) { return QString::fromUtf8(choiceOf(numberedStyles, v).title); }
QString title(ReferencePosition v) { return QString::fromUtf8(choiceOf(referencePositions, v).title); }
QString title(FormatKind v) { return QString::fromUtf8(choiceOf(formatKinds, v).title); }

QString example(FormatKind kind)
{
    return fillWithSample(InsertionFormat::make(kind, InsertionPreferences::defaultCustomTemplate).templateText());
}

QString fillWithSample(const QString& templateText)
{
    return InsertionFormatter::fillTemplate(templateText, QStringLiteral("текст вірша"), QStringLiteral("Івана 3:16"),
                                            QStringLiteral("Івана"), QStringLiteral("3"), QStringLiteral("16"));
}

}  // namespace InsertionChoices

InsertionFormat InsertionFormat::make(FormatKind kind, const QString& customTemplate)
{
    return kind == FormatKind::Custom ? InsertionFormat{kind, customTemplate} : InsertionFormat{kind, QString()};
}

QString InsertionFormat::templateText() const
{
    switch (kind) {
    case FormatKind::TextWithReference:
        return QStringLiteral("«{text}» ({reference})");
    case FormatKind::ReferenceWithText:
        return QStringLiteral("{reference} — «{text}»");
    case FormatKind::ReferenceOnSeparateLine:
        return QStringLiteral("«{text}»\n{reference}");
    case FormatKind::TextOnly:
        return QStringLiteral("{text}");
    case FormatKind::Custom:
        return customTemplate;
    }
    return customTemplate;
}

InsertionPreferences::InsertionPreferences(SettingsStore& store, QObject* parent) : QObject(parent), m_store(store)
{
    // 1.–5. Each value from its key; anything unreadable falls back to the default.
    // Nothing is written back: a bad stored value stays until it is next assigned.
    m_includeVerseNumbers = store.boolValue(includeVerseNumbersKey).value_or(false);
    if (const auto raw = store.stringValue(numberedStyleKey))
        m_numberedStyle = InsertionChoices::numberedStyle(*raw).value_or(NumberedStyle::Multiline);
    if (const auto raw = store.stringValue(numberedReferencePositionKey))
        m_numberedReferencePosition = InsertionChoices::referencePosition(*raw).value_or(ReferencePosition::After);
    if (const auto raw = store.stringValue(formatKindKey))
        m_formatKind = InsertionChoices::formatKind(*raw).value_or(FormatKind::TextWithReference);
    if (const auto text = store.stringValue(customTemplateKey))
        m_customTemplate = *text;
}

InsertionPreferences& InsertionPreferences::shared()
{
    static InsertionPreferences preferences(IniSettingsStore::standard());
    return preferences;
}

void InsertionPreferences::setIncludeVerseNumbers(bool value)
{
    m_includeVerseNumbers = value;
    emit includeVerseNumbersChanged();
    m_store.setBool(includeVerseNumbersKey, value);
}

void InsertionPreferences::setNumberedStyle(NumberedStyle value)
{
    m_numberedStyle = value;
    emit numberedStyleChanged();
    emit numberedExampleChanged();
    m_store.setString(numberedStyleKey, InsertionChoices::rawValue(value));
}

void InsertionPreferences::setNumberedReferencePosition(ReferencePosition value)
{
    m_numberedReferencePosition = value;
    emit numberedReferencePositionChanged();
    emit numberedExampleChanged();
    m_store.setString(numberedReferencePositionKey, InsertionChoices::rawValue(value));
}

void InsertionPreferences::setFormatKind(FormatKind value)
{
    m_formatKind = value;
    emit formatKindChanged();
    m_store.setString(formatKindKey, InsertionChoices::rawValue(value));
}

void InsertionPreferences::setCustomTemplate(const QString& value)
{
    m_customTemplate = value;
    emit customTemplateChanged();
    m_store.setString(customTemplateKey, value);
}

InsertionFormat InsertionPreferences::currentFormat() const
{
    return InsertionFormat::make(m_formatKind, m_customTemplate);
}

QString InsertionPreferences::numberedExample() const
{
    // 1. The style sample.
    const QString sample = m_numberedStyle == NumberedStyle::Multiline
        ? QStringLiteral("16. текст вірша\n17. текст вірша")
        : QStringLiteral("16. текст вірша 17. текст вірша");
    // 2. The reference before or after it.
    const QString reference = QStringLiteral("Івана 3:16–17");
    return m_numberedReferencePosition == ReferencePosition::Before ? reference + QStringLiteral("\n\n") + sample
                                                                    : sample + QStringLiteral("\n\n") + reference;
}
