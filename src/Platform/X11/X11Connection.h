#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

#include <xcb/xcb.h>

class QSocketNotifier;
struct _XCBKeySymbols;

// The program's own connection to the X server, beside Qt's: global key grabs,
// window queries, focus and XTest go through it, so their errors are checked
// here (Qt's error handler would swallow them) and its events are read here.
class X11Connection : public QObject {
    Q_OBJECT

public:
    // Connects to $DISPLAY; isValid() tells whether that worked.
    X11Connection();
    ~X11Connection() override;
    static X11Connection& shared();

    bool isValid() const { return m_connection != nullptr; }
    xcb_connection_t* connection() const { return m_connection; }
    xcb_window_t root() const { return m_root; }

    xcb_atom_t atom(const char* name);
    // A window property as bytes; nothing when the window or property is missing.
    std::optional<QByteArray> property(xcb_window_t window, xcb_atom_t property, xcb_atom_t type);
    std::optional<quint32> cardinalProperty(xcb_window_t window, const char* name);
    std::optional<xcb_window_t> windowProperty(xcb_window_t window, const char* name);
    xcb_window_t parent(xcb_window_t window);
    // The name of the running window manager, or empty when none runs.
    QString windowManagerName();

    // The symbol a key code types without modifiers in the first layout (0 when none).
    quint32 baseKeysym(quint32 keycode);
    // Key codes that produce a key symbol, in the order the keyboard map lists them.
    std::vector<xcb_keycode_t> keycodes(quint32 keysym);
    // The modifier bits that NumLock sets (usually Mod2), 0 when unmapped.
    quint16 numLockMask();
    // Key codes of the modifier rows (Shift, Control, Mod1 … Mod5) and which are down.
    std::vector<xcb_keycode_t> modifierKeycodesDown();

    // Whether a compositing manager runs (translucent windows show as such).
    bool hasCompositingManager();

    void flush();
    // Waits until the server has handled every request sent so far; the events it
    // sent before are then in hand and handed to the listeners.
    void sync();

    // A held key sends repeated presses and one release at the end, instead of a
    // release and a press per repeat (XKB "detectable auto-repeat" for that client).
    static void makeAutoRepeatDetectable(xcb_connection_t* connection);

    // Every event read from the connection is offered to these, in order.
    void addEventListener(std::function<void(xcb_generic_event_t*)> listener);

private:
    void readEvents();
    void refreshKeyboardMap();
    // The first 32-bit value of a property of the given type.
    std::optional<quint32> firstWord(xcb_window_t window, const char* name, xcb_atom_t type);

    xcb_connection_t* m_connection = nullptr;
    xcb_window_t m_root = XCB_NONE;
    _XCBKeySymbols* m_keySymbols = nullptr;
    QSocketNotifier* m_notifier = nullptr;
    QHash<QByteArray, xcb_atom_t> m_atoms;
    std::vector<std::function<void(xcb_generic_event_t*)>> m_listeners;
};
