#pragma once

#include <QString>

#include <optional>

// A top-level window of another program: the one the user was typing in.
struct AppWindow {
    quint32 id = 0;
    qint64 pid = 0;       // 0 when the window does not say
    QString name;         // the window's title, or empty
    QString className;    // WM_CLASS, or empty

    bool operator==(const AppWindow&) const = default;
};

// Which window has the user's focus, and giving it back.
class WindowSystem {
public:
    virtual ~WindowSystem() = default;
    virtual std::optional<AppWindow> frontmostWindow() = 0;
    // Asks for the window to become active; the answer comes only through isActive().
    virtual void activate(const AppWindow& window) = 0;
    virtual bool isActive(const AppWindow& window) = 0;
    virtual qint64 ownPid() const = 0;
};
