#include "OnboardingModel.h"

#include "GlobalHotkeyManager.h"
#include "TextNormalization.h"

#include <QPointer>

OnboardingModel::OnboardingModel(const Services& services, std::function<void()> onFinish, QObject* parent)
    : QObject(parent), m_services(services), m_onFinish(std::move(onFinish))
{
    m_permissionGranted = m_services.isTrusted();
    // Everything that the forward button's glow depends on.
    for (auto signal : {&OnboardingModel::stepChanged, &OnboardingModel::permissionGrantedChanged,
                        &OnboardingModel::hotkeyVerifiedChanged, &OnboardingModel::practiceTextChanged})
        connect(this, signal, this, &OnboardingModel::currentStepAccomplishedChanged);
}

OnboardingModel::~OnboardingModel()
{
    stop();
}

QString OnboardingModel::shortcutText() const
{
    const std::optional<QKeyCombination> current =
        m_services.hotkey.shortcuts().shortcut(GlobalHotkeyManager::shortcutName);
    return current ? GlobalShortcuts::displayText(*current) : QString();
}

void OnboardingModel::setShortcutProblem(const QString& problem)
{
    m_shortcutProblem = problem;
    emit shortcutProblemChanged();
}

QString OnboardingModel::revealedText() const
{
    const QString text = practiceText();
    return text.left(TextNormalization::offsetOfCharacter(text, m_practiceRevealed));
}

void OnboardingModel::setLaunchAtLogin(bool enabled)
{
    m_launchAtLogin = enabled;
    emit launchAtLoginChanged();
}

bool OnboardingModel::currentStepAccomplished() const
{
    switch (m_step) {
    case Permission: return m_permissionGranted;
    case Hotkey: return m_hotkeyVerified;
    case Practice: return practiced();
    default: return false;
    }
}

QString OnboardingModel::welcomeLead(const QString& translation)
{
    // "Переклад Івана Огієнка" reads "з перекладу Івана Огієнка"; any other name is
    // quoted as it stands.
    static const QString translationWord = QStringLiteral("Переклад ");
    const QString name = translation.trimmed();
    QString source;
    if (name.startsWith(translationWord, Qt::CaseInsensitive) && name.size() > translationWord.size())
        source = QStringLiteral("з перекладу ") + name.mid(translationWord.size());
    else if (!name.isEmpty())
        source = QStringLiteral("з перекладу «") + name + QStringLiteral("»");
    else
        source = QStringLiteral("з Біблії");
    return QStringLiteral("Знаходьте вірші ") + source
        + QStringLiteral(" і вставляйте їх у будь-яку програму — не відволікаючись від роботи.");
}

// ---- background work

void OnboardingModel::start()
{
    // 1.
    refreshShortcut();
    m_started = true;
    // 2. A change of the shortcut anywhere in the program, handled in a later turn
    // of the main loop (and not at all once the model is stopped or gone).
    QPointer<OnboardingModel> self(this);
    m_shortcutObserver = connect(&m_services.hotkey, &GlobalHotkeyManager::shortcutChanged, this, [self] {
        self->m_services.scheduler.schedule(Scheduler::Duration(0), [self] {
            if (self && self->m_started)
                self->shortcutChanged();
        });
    });
    // 3. The permission is asked every 0.5 s on every page until stop().
    schedulePoll();
}

void OnboardingModel::schedulePoll()
{
    QPointer<OnboardingModel> self(this);
    m_pollTimer = m_services.scheduler.schedule(Scheduler::Duration(500), [self] {
        if (!self || !self->m_started)
            return;
        self->pollPermission();
        self->schedulePoll();
    });
}

void OnboardingModel::stop()
{
    m_started = false;
    disconnect(m_shortcutObserver);
    m_services.scheduler.cancel(m_pollTimer);
    m_services.scheduler.cancel(m_revealTask);
    m_pollTimer = 0;
    m_revealTask = 0;
}

// ---- the shortcut

void OnboardingModel::refreshShortcut()
{
    const std::optional<QKeyCombination> current =
        m_services.hotkey.shortcuts().shortcut(GlobalHotkeyManager::shortcutName);
    // Animated in the views with the spring (0.4, 0.7).
    m_keycaps = current ? GlobalShortcuts::keycapParts(*current) : QStringList();
    emit keycapsChanged();
    m_isDefaultShortcut = current == std::optional<QKeyCombination>(GlobalHotkeyManager::defaultShortcut);
    emit isDefaultShortcutChanged();
}

void OnboardingModel::shortcutChanged()
{
    refreshShortcut();
    setShortcutProblem(QString());
    // A new shortcut has to be tried again; the count stays.
    m_hotkeyVerified = false;
    emit hotkeyVerifiedChanged();
}

void OnboardingModel::useShortcut(QKeyCombination shortcut)
{
    // The notice of the change is what updates this model.
    m_services.hotkey.changeShortcut(shortcut);
}

QList<QKeyCombination> OnboardingModel::offeredShortcuts()
{
    // Super+Alt+B and Super+Ctrl+Alt+B: combinations desktops rarely take.
    return {QKeyCombination(Qt::MetaModifier | Qt::AltModifier, Qt::Key_B),
            QKeyCombination(Qt::MetaModifier | Qt::ControlModifier | Qt::AltModifier, Qt::Key_B)};
}

QStringList OnboardingModel::offeredTitles() const
{
    QStringList titles;
    for (QKeyCombination shortcut : offeredShortcuts())
        titles.append(GlobalShortcuts::displayText(shortcut));
    return titles;
}

QString OnboardingModel::restoreDefaultTitle() const
{
    return QStringLiteral("Повернути ") + GlobalShortcuts::displayText(GlobalHotkeyManager::defaultShortcut);
}

void OnboardingModel::useOffered(int index)
{
    const QList<QKeyCombination> offered = offeredShortcuts();
    if (index >= 0 && index < offered.size())
        useShortcut(offered[index]);
}

void OnboardingModel::restoreDefaultShortcut()
{
    useShortcut(GlobalHotkeyManager::defaultShortcut);
}

void OnboardingModel::hotkeyPressed()
{
    ++m_hotkeyPressCount;
    emit hotkeyPressCountChanged();
    // Animated with the spring (0.35, 0.6).
    m_hotkeyVerified = true;
    emit hotkeyVerifiedChanged();
}

// ---- permission

void OnboardingModel::pollPermission()
{
    const bool trusted = m_services.isTrusted();
    if (trusted != m_permissionGranted) {
        // Animated with the spring (0.4, 0.6).
        m_permissionGranted = trusted;
        emit permissionGrantedChanged();
    }
}

void OnboardingModel::requestPermission()
{
    m_permissionRequested = true;
    emit permissionRequestedChanged();
    m_services.promptForAccess();
    m_services.openSystemSettings();
}

// ---- navigation

void OnboardingModel::go(int target)
{
    if (target < Welcome || target > Done || target == m_step)
        return;
    m_movingForward = m_step < target;
    emit movingForwardChanged();
    // Animated with the spring (0.45, 0.86).
    m_step = target;
    emit stepChanged();
}

void OnboardingModel::next()
{
    if (m_step == Done)
        finish();
    else
        go(m_step + 1);
}

void OnboardingModel::back()
{
    if (m_step > Welcome)
        go(m_step - 1);
}

void OnboardingModel::skip()
{
    go(Done);
}

// ---- practice

void OnboardingModel::openSearch(const QString& typing)
{
    m_services.openSearch(typing);
}

void OnboardingModel::openSearchEmpty()
{
    m_services.openSearch(std::nullopt);
}

void OnboardingModel::practiceInserted(const QString& text)
{
    // 1.
    m_practiceText = text;
    m_practiceRevealed = 0;
    ++m_confettiTrigger;
    emit practiceTextChanged();
    emit practiceRevealedChanged();
    emit confettiTriggerChanged();
    // 2. A reveal still running stops; this one starts from nothing.
    m_services.scheduler.cancel(m_revealTask);
    m_revealTask = 0;
    // 3.–4. Three characters every 16 ms.
    revealStep(TextNormalization::characterCount(text));
}

void OnboardingModel::revealStep(qsizetype total)
{
    if (m_practiceRevealed >= total) {
        m_revealTask = 0;
        return;
    }
    m_practiceRevealed = std::min<qint64>(m_practiceRevealed + 3, total);
    emit practiceRevealedChanged();
    QPointer<OnboardingModel> self(this);
    m_revealTask = m_services.scheduler.schedule(Scheduler::Duration(16), [self, total] {
        if (self)
            self->revealStep(total);
    });
}

// ---- the end

void OnboardingModel::finish()
{
    // The login item follows the switch only when the tour is finished this way.
    if (m_launchAtLogin != m_services.launchAtLoginEnabled())
        m_services.setLaunchAtLogin(m_launchAtLogin);
    if (m_onFinish)
        m_onFinish();
}
