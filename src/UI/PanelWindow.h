#pragma once

#include <QRect>

#include <functional>
#include <optional>

// The keys the panel's controller looks at before the view does, named by the key
// (physical key for C and "=", so that a Ukrainian layout does not change them).
enum class PanelKey { Other, C, Up, Down, Left, Right, Equal };

struct PanelKeyEvent {
    enum class Type { Press, Release };
    Type type = Type::Press;
    PanelKey key = PanelKey::Other;
    Qt::KeyboardModifiers modifiers;
    bool isAutoRepeat = false;
};

// The floating window that holds the panel's view.
class PanelWindow {
public:
    virtual ~PanelWindow() = default;

    virtual bool isVisible() const = 0;
    // Shows the window in front and gives it the keyboard.
    virtual void showAndFocus() = 0;
    virtual void hide() = 0;
    virtual QRect frame() const = 0;
    virtual void setFrame(const QRect& frame) = 0;
    // The usable area of the screen the user works on; nothing without a screen.
    virtual std::optional<QRect> screenArea() const = 0;
    // True when the query field's caret stands at the end with nothing selected.
    virtual bool isCaretAtEndOfQuery() const = 0;
    // The window system's id of the window (0 when it has none).
    virtual quint64 nativeId() const = 0;

    // Set by the controller.
    std::function<void()> onFocusLost;
    std::function<void()> onUserMoved;
    std::function<void(int height)> onContentHeightChanged;
    // Keys reach this first; true consumes the key.
    std::function<bool(const PanelKeyEvent&)> onKey;
};
