#include "SettingsViewModel.h"

#include "GlobalHotkeyManager.h"
#include "InsertionPreferences.h"

#include <QDate>

SettingsViewModel::SettingsViewModel(const Services& services, QObject* parent)
    : QObject(parent), m_services(services), m_recorder(services.recorder)
{
    // Each opening starts from the real login item and no stale problem.
    m_launchAtLogin = m_services.launchAtLoginEnabled();
    m_hotkeyText = currentHotkeyText(m_services.hotkey);
    connect(&m_recorder, &ShortcutRecorder::problemChanged, this, [this](const QString& problem) {
        m_shortcutProblem = problem;
        emit shortcutProblemChanged();
    });
    connect(&m_services.hotkey, &GlobalHotkeyManager::shortcutChanged, this, [this] {
        m_hotkeyText = currentHotkeyText(m_services.hotkey);
        emit hotkeyTextChanged();
    });
}

void SettingsViewModel::setLaunchAtLogin(bool enabled)
{
    m_launchAtLogin = enabled;
    emit launchAtLoginChanged();
    // A change the system refused puts the switch back to the real state; that is a
    // change too and goes through here once more.
    if (!m_services.setLaunchAtLogin(enabled)) {
        const bool real = m_services.launchAtLoginEnabled();
        if (real != enabled)
            setLaunchAtLogin(real);
    }
}

QString SettingsViewModel::currentHotkeyText(GlobalHotkeyManager& hotkey)
{
    const std::optional<QKeyCombination> current = hotkey.shortcuts().shortcut(GlobalHotkeyManager::shortcutName);
    return current ? GlobalShortcuts::displayText(*current) : QStringLiteral("не задано");
}

QVariantList SettingsViewModel::cheatSheet() const
{
    const std::pair<QString, QString> rows[] = {
        {m_hotkeyText, QStringLiteral("Відкрити/закрити пошук")},
        {QStringLiteral("↑ / ↓"), QStringLiteral("Навігація по результатах")},
        {QStringLiteral("Enter"), QStringLiteral("Вставити вибраний результат")},
        {QStringLiteral("Ctrl+C"), QStringLiteral("Скопіювати вибраний результат без вставки")},
        {QStringLiteral("→"), QStringLiteral("Відкрити весь розділ вибраного вірша")},
        {QStringLiteral("Повторний клік по вірші"), QStringLiteral("Теж відкрити його розділ")},
        {QStringLiteral("← або Esc"), QStringLiteral("З розділу — назад до результатів")},
        {QStringLiteral("Shift + ↑ / ↓"), QStringLiteral("Виділити кілька віршів (у результатах і в розділі)")},
        {QStringLiteral("«слово» в лапках"), QStringLiteral("Шукати точне слово, без інших закінчень")},
        {QStringLiteral("Esc"), QStringLiteral("Очистити поле пошуку")},
        {QStringLiteral("↓ на порожньому полі"), QStringLiteral("Показати історію останніх запитів")},
        {QStringLiteral("Клік на іконку книги"), QStringLiteral("Обрати формат вставки (з номерами / без)")},
        {QStringLiteral("Утримання «=»"), QStringLiteral("Швидко перемкнути формат номерів віршів")},
    };
    QVariantList list;
    for (const auto& [key, description] : rows)
        list.append(QVariantMap{{"key", key}, {"description", description}});
    return list;
}

namespace {

template <class T>
QVariantList choices(const QList<T>& values)
{
    QVariantList list;
    for (T value : values)
        list.append(QVariantMap{{"value", static_cast<int>(value)}, {"title", InsertionChoices::title(value)}});
    return list;
}

}  // namespace

QVariantList SettingsViewModel::formatKinds() const
{
    return choices(InsertionChoices::allFormatKinds());
}

QVariantList SettingsViewModel::numberedStyles() const
{
    return choices(InsertionChoices::allNumberedStyles());
}

QVariantList SettingsViewModel::referencePositions() const
{
    return choices(InsertionChoices::allReferencePositions());
}

QString SettingsViewModel::version() const
{
    return m_services.version.isEmpty() ? QStringLiteral("?") : m_services.version;
}

QString SettingsViewModel::author() const
{
    if (!m_services.author.isEmpty())
        return m_services.author;
    return QStringLiteral("© %1 Розробники Lampstride").arg(QDate::currentDate().year());
}

QString SettingsViewModel::customTemplateExample(const QString& templateText)
{
    return InsertionChoices::fillWithSample(templateText);
}

QString SettingsViewModel::formatExample(int kind)
{
    return InsertionChoices::example(static_cast<FormatKind>(kind));
}

void SettingsViewModel::appendToTemplate(const QString& token)
{
    m_services.preferences.setCustomTemplate(m_services.preferences.customTemplate() + token);
}

void SettingsViewModel::showOnboarding()
{
    if (m_services.showOnboarding)
        m_services.showOnboarding();
}
