#pragma once

#include "InsertionPreferences.h"
#include "ShortcutRecorder.h"

#include <QObject>
#include <QVariantList>

#include <functional>

class GlobalHotkeyManager;

// What the Settings window shows and edits: the insertion preferences, the login
// item, the shortcut (through its recorder) and the facts of the About tab.
class SettingsViewModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(InsertionPreferences* preferences READ preferences CONSTANT)
    Q_PROPERTY(bool launchAtLogin READ launchAtLogin WRITE setLaunchAtLogin NOTIFY launchAtLoginChanged)
    Q_PROPERTY(ShortcutRecorder* recorder READ recorder CONSTANT)
    Q_PROPERTY(QString shortcutProblem READ shortcutProblem NOTIFY shortcutProblemChanged)
    Q_PROPERTY(QString hotkeyText READ hotkeyText NOTIFY hotkeyTextChanged)
    Q_PROPERTY(QVariantList cheatSheet READ cheatSheet NOTIFY hotkeyTextChanged)
    Q_PROPERTY(QVariantList formatKinds READ formatKinds CONSTANT)
    Q_PROPERTY(QVariantList numberedStyles READ numberedStyles CONSTANT)
    Q_PROPERTY(QVariantList referencePositions READ referencePositions CONSTANT)
    Q_PROPERTY(QString translation READ translation CONSTANT)
    Q_PROPERTY(QString version READ version CONSTANT)
    Q_PROPERTY(QString author READ author CONSTANT)

public:
    struct Services {
        InsertionPreferences& preferences;
        GlobalHotkeyManager& hotkey;
        ShortcutRecorder::Services recorder;
        std::function<bool()> launchAtLoginEnabled;
        std::function<bool(bool)> setLaunchAtLogin;
        std::function<void()> showOnboarding;
        QString translation;
        QString version;  // empty when unknown
        QString author;   // empty when unknown
    };

    explicit SettingsViewModel(const Services& services, QObject* parent = nullptr);

    InsertionPreferences* preferences() const { return &m_services.preferences; }
    bool launchAtLogin() const { return m_launchAtLogin; }
    void setLaunchAtLogin(bool enabled);
    ShortcutRecorder* recorder() { return &m_recorder; }
    QString shortcutProblem() const { return m_shortcutProblem; }
    QString hotkeyText() const { return m_hotkeyText; }
    QVariantList cheatSheet() const;
    QVariantList formatKinds() const;
    QVariantList numberedStyles() const;
    QVariantList referencePositions() const;
    QString translation() const { return m_services.translation; }
    QString version() const;
    QString author() const;

    // The current shortcut's text, or "не задано".
    static QString currentHotkeyText(GlobalHotkeyManager& hotkey);
    // The custom template with the sample verse put in.
    Q_INVOKABLE static QString customTemplateExample(const QString& templateText);
    Q_INVOKABLE static QString formatExample(int kind);
    // Appends a token to the custom template, storing it at once.
    Q_INVOKABLE void appendToTemplate(const QString& token);
    Q_INVOKABLE void showOnboarding();

signals:
    void launchAtLoginChanged();
    void shortcutProblemChanged();
    void hotkeyTextChanged();

private:
    Services m_services;
    ShortcutRecorder m_recorder;
    bool m_launchAtLogin = false;
    QString m_shortcutProblem;
    QString m_hotkeyText;
};
