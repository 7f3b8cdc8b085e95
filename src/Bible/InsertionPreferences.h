#pragma once

#include <QObject>
#include <QString>

#include <optional>

class SettingsStore;

// How the verses of a numbered result are joined.
namespace NumberedStyles {
Q_NAMESPACE
enum class NumberedStyle { Multiline, SingleLine };
Q_ENUM_NS(NumberedStyle)
}  // namespace NumberedStyles
using NumberedStyles::NumberedStyle;

// Where the reference stands in numbered text.
namespace ReferencePositions {
Q_NAMESPACE
enum class ReferencePosition { After, Before };
Q_ENUM_NS(ReferencePosition)
}  // namespace ReferencePositions
using ReferencePositions::ReferencePosition;

// The format of text without verse numbers.
namespace FormatKinds {
Q_NAMESPACE
enum class FormatKind { TextWithReference, ReferenceWithText, ReferenceOnSeparateLine, TextOnly, Custom };
Q_ENUM_NS(FormatKind)
}  // namespace FormatKinds
using FormatKinds::FormatKind;

// Raw values (the stored form and identity), the lists of all values in display
// order, and the Ukrainian labels.
namespace InsertionChoices {
QString rawValue(NumberedStyle style);
QString rawValue(ReferencePosition position);
QString rawValue(FormatKind kind);
std::optional<NumberedStyle> numberedStyle(const QString& raw);
std::optional<ReferencePosition> referencePosition(const QString& raw);
std::optional<FormatKind> formatKind(const QString& raw);

QList<NumberedStyle> allNumberedStyles();
QList<ReferencePosition> allReferencePositions();
QList<FormatKind> allFormatKinds();

QString title(NumberedStyle style);
QString title(ReferencePosition position);
QString title(FormatKind kind);
// A one-verse sample of the format, made from the kind's fixed template (the
// default one for a custom format, whatever the user's template is).
QString example(FormatKind kind);
// A template with the sample verse (Івана 3:16, "текст вірша") put in.
QString fillWithSample(const QString& templateText);
}  // namespace InsertionChoices

// The format of text without numbers: a fixed kind, or a custom template.
struct InsertionFormat {
    FormatKind kind = FormatKind::TextWithReference;
    QString customTemplate;  // used only by the custom kind, exactly as given

    // Fixed kinds ignore the template.
    static InsertionFormat make(FormatKind kind, const QString& customTemplate);
    QString templateText() const;
    bool operator==(const InsertionFormat&) const = default;
};

// The five settings that shape inserted text. Loaded once from the settings store;
// every assignment notifies observers, then writes the value at once, even when it
// is the value already held.
class InsertionPreferences : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool includeVerseNumbers READ includeVerseNumbers WRITE setIncludeVerseNumbers NOTIFY includeVerseNumbersChanged)
    Q_PROPERTY(NumberedStyles::NumberedStyle numberedStyle READ numberedStyle WRITE setNumberedStyle NOTIFY numberedStyleChanged)
    Q_PROPERTY(ReferencePositions::ReferencePosition numberedReferencePosition READ numberedReferencePosition
                   WRITE setNumberedReferencePosition NOTIFY numberedReferencePositionChanged)
    Q_PROPERTY(FormatKinds::FormatKind formatKind READ formatKind WRITE setFormatKind NOTIFY formatKindChanged)
    Q_PROPERTY(QString customTemplate READ customTemplate WRITE setCustomTemplate NOTIFY customTemplateChanged)
    Q_PROPERTY(QString numberedExample READ numberedExample NOTIFY numberedExampleChanged)

public:
    static inline const QString includeVerseNumbersKey = QStringLiteral("com.lampstride.includeVerseNumbers");
    static inline const QString numberedStyleKey = QStringLiteral("com.lampstride.numberedStyle");
    static inline const QString numberedReferencePositionKey = QStringLiteral("com.lampstride.numberedReferencePosition");
    static inline const QString formatKindKey = QStringLiteral("com.lampstride.formatKind");
    static inline const QString customTemplateKey = QStringLiteral("com.lampstride.customTemplate");
    static inline const QString defaultCustomTemplate = QStringLiteral("«{text}» ({reference})");

    // Reads the five values from `store`, writing nothing.
    explicit InsertionPreferences(SettingsStore& store, QObject* parent = nullptr);
    // Over the program's standard settings store.
    static InsertionPreferences& shared();

    bool includeVerseNumbers() const { return m_includeVerseNumbers; }
    NumberedStyle numberedStyle() const { return m_numberedStyle; }
    ReferencePosition numberedReferencePosition() const { return m_numberedReferencePosition; }
    FormatKind formatKind() const { return m_formatKind; }
    QString customTemplate() const { return m_customTemplate; }

    void setIncludeVerseNumbers(bool value);
    void setNumberedStyle(NumberedStyle value);
    void setNumberedReferencePosition(ReferencePosition value);
    void setFormatKind(FormatKind value);
    void setCustomTemplate(const QString& value);

    InsertionFormat currentFormat() const;
    // A two-verse sample of numbered text under the current style and position.
    QString numberedExample() const;

signals:
    void includeVerseNumbersChanged();
    void numberedStyleChanged();
    void numberedReferencePositionChanged();
    void formatKindChanged();
    void customTemplateChanged();
    void numberedExampleChanged();

private:
    SettingsStore& m_store;
    bool m_includeVerseNumbers = false;
    NumberedStyle m_numberedStyle = NumberedStyle::Multiline;
    ReferencePosition m_numberedReferencePosition = ReferencePosition::After;
    FormatKind m_formatKind = FormatKind::TextWithReference;
    QString m_customTemplate = defaultCustomTemplate;
};
