#pragma once

#include "KeyGrabber.h"

#include <QList>

#include <functional>
#include <optional>
#include <vector>

#include <xcb/xcb.h>

class X11Connection;

// Global shortcuts as passive key grabs on the root window, in four variants each so
// that Caps Lock and Num Lock do not matter. Fires on the release of the shortcut's
// key after its press, whatever modifiers are still down at the release.
class X11KeyGrabber : public KeyGrabber {
public:
    explicit X11KeyGrabber(X11Connection& connection);

    Result grab(QKeyCombination combination) override;
    void ungrab(QKeyCombination combination) override;
    bool isTakenElsewhere(QKeyCombination combination) override;

    // Called on the press that arms a grabbed combination, and after the release has
    // been handled: the type-ahead hold starts at the press, so that no key typed
    // right after the shortcut reaches another window.
    std::function<void(xcb_keycode_t key)> onArmed;
    std::function<void()> afterReleased;

    // The X key symbol of a Qt key (0 when there is none).
    static quint32 keysymFor(Qt::Key key);
    static quint16 modifierMaskFor(Qt::KeyboardModifiers modifiers);
    // The Qt key of an X key symbol, for the keys a shortcut may use (nothing else).
    static std::optional<Qt::Key> qtKeyFor(quint32 keysym);

private:
    struct Grab {
        QKeyCombination combination;
        std::vector<xcb_keycode_t> keycodes;
        quint16 modifiers;
    };

    // Grabs every variant with checked requests; on any refusal undoes the rest.
    Result grabVariants(const Grab& grab);
    void ungrabVariants(const Grab& grab);
    std::optional<Grab> resolve(QKeyCombination combination);
    std::vector<quint16> lockVariants();
    void handleEvent(xcb_generic_event_t* event);

    X11Connection& m_x;
    QList<Grab> m_grabs;
    std::optional<QKeyCombination> m_armed;
};
