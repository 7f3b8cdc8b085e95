#pragma once

#include "Scheduler.h"

#include <QKeyCombination>
#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>

class GlobalHotkeyManager;

// The first-run tour's state: the page, the permission, the shortcut and its
// verification, the practice insertion and its reveal, the login-item choice.
// Views only read it and call its operations.
class OnboardingModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(int step READ step NOTIFY stepChanged)
    Q_PROPERTY(bool movingForward READ movingForward NOTIFY movingForwardChanged)
    Q_PROPERTY(bool permissionGranted READ permissionGranted NOTIFY permissionGrantedChanged)
    Q_PROPERTY(bool permissionRequested READ permissionRequested NOTIFY permissionRequestedChanged)
    Q_PROPERTY(QStringList keycaps READ keycaps NOTIFY keycapsChanged)
    Q_PROPERTY(QString shortcutText READ shortcutText NOTIFY keycapsChanged)
    Q_PROPERTY(bool isDefaultShortcut READ isDefaultShortcut NOTIFY isDefaultShortcutChanged)
    Q_PROPERTY(bool hotkeyVerified READ hotkeyVerified NOTIFY hotkeyVerifiedChanged)
    Q_PROPERTY(qint64 hotkeyPressCount READ hotkeyPressCount NOTIFY hotkeyPressCountChanged)
    Q_PROPERTY(QString shortcutProblem READ shortcutProblem WRITE setShortcutProblem NOTIFY shortcutProblemChanged)
    Q_PROPERTY(QString practiceText READ practiceText NOTIFY practiceTextChanged)
    Q_PROPERTY(bool practiced READ practiced NOTIFY practiceTextChanged)
    Q_PROPERTY(qint64 practiceRevealed READ practiceRevealed NOTIFY practiceRevealedChanged)
    Q_PROPERTY(QString revealedText READ revealedText NOTIFY practiceRevealedChanged)
    Q_PROPERTY(qint64 confettiTrigger READ confettiTrigger NOTIFY confettiTriggerChanged)
    Q_PROPERTY(bool launchAtLogin READ launchAtLogin WRITE setLaunchAtLogin NOTIFY launchAtLoginChanged)
    Q_PROPERTY(QStringList offeredTitles READ offeredTitles CONSTANT)
    Q_PROPERTY(QString restoreDefaultTitle READ restoreDefaultTitle CONSTANT)
    Q_PROPERTY(bool currentStepAccomplished READ currentStepAccomplished NOTIFY currentStepAccomplishedChanged)

public:
    enum Step { Welcome, Permission, Hotkey, Practice, Tips, Done };
    Q_ENUM(Step)
    static constexpr int stepCount = 6;

    struct Services {
        Scheduler& scheduler;
        std::function<bool()> isTrusted;
        std::function<void()> promptForAccess;
        std::function<void()> openSystemSettings;
        // The shortcut "toggleSearchPanel"; its shortcutChanged signal is the
        // program-wide notice that the shortcut changed.
        GlobalHotkeyManager& hotkey;
        std::function<bool()> launchAtLoginEnabled;
        std::function<bool(bool)> setLaunchAtLogin;
        // Opens the real panel, with a query typed in or empty.
        std::function<void(const std::optional<QString>&)> openSearch;
    };

    OnboardingModel(const Services& services, std::function<void()> onFinish, QObject* parent = nullptr);
    ~OnboardingModel() override;

    int step() const { return m_step; }
    bool movingForward() const { return m_movingForward; }
    bool permissionGranted() const { return m_permissionGranted; }
    bool permissionRequested() const { return m_permissionRequested; }
    QStringList keycaps() const { return m_keycaps; }
    QString shortcutText() const;
    bool isDefaultShortcut() const { return m_isDefaultShortcut; }
    bool hotkeyVerified() const { return m_hotkeyVerified; }
    qint64 hotkeyPressCount() const { return m_hotkeyPressCount; }
    QString shortcutProblem() const { return m_shortcutProblem; }
    void setShortcutProblem(const QString& problem);
    QString practiceText() const { return m_practiceText.value_or(QString()); }
    bool practiced() const { return m_practiceText.has_value(); }
    qint64 practiceRevealed() const { return m_practiceRevealed; }
    QString revealedText() const;
    qint64 confettiTrigger() const { return m_confettiTrigger; }
    bool launchAtLogin() const { return m_launchAtLogin; }
    void setLaunchAtLogin(bool enabled);
    bool currentStepAccomplished() const;

    // Background work: shortcut changes and the permission poll (every 0.5 s).
    void start();
    void stop();

    Q_INVOKABLE void next();
    Q_INVOKABLE void back();
    Q_INVOKABLE void skip();
    Q_INVOKABLE void go(int target);
    Q_INVOKABLE void requestPermission();
    // Sets the shortcut and tells the whole program.
    void useShortcut(QKeyCombination shortcut);
    // The shortcut page's rarely taken alternatives, and the way back to the default.
    Q_INVOKABLE void useOffered(int index);
    Q_INVOKABLE void restoreDefaultShortcut();
    static QList<QKeyCombination> offeredShortcuts();
    QStringList offeredTitles() const;
    QString restoreDefaultTitle() const;
    Q_INVOKABLE void openSearch(const QString& typing);
    Q_INVOKABLE void openSearchEmpty();
    Q_INVOKABLE void finish();

    // The welcome page's sentence, naming the translation the program ships.
    static QString welcomeLead(const QString& translation);

    void hotkeyPressed();
    void practiceInserted(const QString& text);
    // The shortcut changed somewhere in the program.
    void shortcutChanged();
    void pollPermission();

signals:
    void stepChanged();
    void movingForwardChanged();
    void permissionGrantedChanged();
    void permissionRequestedChanged();
    void keycapsChanged();
    void isDefaultShortcutChanged();
    void hotkeyVerifiedChanged();
    void hotkeyPressCountChanged();
    void shortcutProblemChanged();
    void practiceTextChanged();
    void practiceRevealedChanged();
    void confettiTriggerChanged();
    void launchAtLoginChanged();
    void currentStepAccomplishedChanged();

private:
    void refreshShortcut();
    void revealStep(qsizetype total);
    void schedulePoll();

    Services m_services;
    std::function<void()> m_onFinish;
    int m_step = Welcome;
    bool m_movingForward = true;
    bool m_permissionGranted = false;
    bool m_permissionRequested = false;
    QStringList m_keycaps;
    bool m_isDefaultShortcut = true;
    bool m_hotkeyVerified = false;
    qint64 m_hotkeyPressCount = 0;
    QString m_shortcutProblem;
    std::optional<QString> m_practiceText;
    qint64 m_practiceRevealed = 0;
    qint64 m_confettiTrigger = 0;
    bool m_launchAtLogin = true;
    bool m_started = false;
    QMetaObject::Connection m_shortcutObserver;
    Scheduler::Handle m_pollTimer = 0;
    Scheduler::Handle m_revealTask = 0;
};
