#include "X11KeyGrabber.h"

#include "X11Connection.h"

#include <QHash>

#include <optional>

#include <X11/keysym.h>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr quint16 relevantModifiers =
    XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_4;

}  // namespace

X11KeyGrabber::X11KeyGrabber(X11Connection& connection) : m_x(connection)
{
    m_x.addEventListener([this](xcb_generic_event_t* event) { handleEvent(event); });
}

namespace {

const QHash<int, quint32>& namedKeys()
{
    static const QHash<int, quint32> table = {
        {Qt::Key_Space, XK_space}, {Qt::Key_Return, XK_Return}, {Qt::Key_Enter, XK_KP_Enter},
        {Qt::Key_Tab, XK_Tab}, {Qt::Key_Backtab, XK_Tab}, {Qt::Key_Backspace, XK_BackSpace},
        {Qt::Key_Delete, XK_Delete}, {Qt::Key_Insert, XK_Insert}, {Qt::Key_Escape, XK_Escape},
        {Qt::Key_Up, XK_Up}, {Qt::Key_Down, XK_Down}, {Qt::Key_Left, XK_Left}, {Qt::Key_Right, XK_Right},
        {Qt::Key_Home, XK_Home}, {Qt::Key_End, XK_End}, {Qt::Key_PageUp, XK_Prior}, {Qt::Key_PageDown, XK_Next},
        {Qt::Key_Print, XK_Print}, {Qt::Key_Pause, XK_Pause}, {Qt::Key_Menu, XK_Menu},
        {Qt::Key_Comma, XK_comma}, {Qt::Key_Period, XK_period}, {Qt::Key_Slash, XK_slash},
        {Qt::Key_Semicolon, XK_semicolon}, {Qt::Key_Apostrophe, XK_apostrophe}, {Qt::Key_BracketLeft, XK_bracketleft},
        {Qt::Key_BracketRight, XK_bracketright}, {Qt::Key_Backslash, XK_backslash}, {Qt::Key_Minus, XK_minus},
        {Qt::Key_Equal, XK_equal}, {Qt::Key_QuoteLeft, XK_grave}, {Qt::Key_Plus, XK_plus},
    };
    return table;
}

}  // namespace

quint32 X11KeyGrabber::keysymFor(Qt::Key key)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return XK_a + (key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return XK_0 + (key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35)
        return XK_F1 + (key - Qt::Key_F1);
    return namedKeys().value(key, 0);
}

std::optional<Qt::Key> X11KeyGrabber::qtKeyFor(quint32 keysym)
{
    if (keysym >= XK_a && keysym <= XK_z)
        return Qt::Key(Qt::Key_A + (keysym - XK_a));
    if (keysym >= XK_A && keysym <= XK_Z)
        return Qt::Key(Qt::Key_A + (keysym - XK_A));
    if (keysym >= XK_0 && keysym <= XK_9)
        return Qt::Key(Qt::Key_0 + (keysym - XK_0));
    if (keysym >= XK_F1 && keysym <= XK_F35)
        return Qt::Key(Qt::Key_F1 + (keysym - XK_F1));
    for (auto it = namedKeys().cbegin(); it != namedKeys().cend(); ++it)
        if (it.value() == keysym && it.key() != Qt::Key_Backtab)
            return Qt::Key(it.key());
    return std::nullopt;
}

quint16 X11KeyGrabber::modifierMaskFor(Qt::KeyboardModifiers modifiers)
{
    quint16 mask = 0;
    if (modifiers & Qt::ShiftModifier)
        mask |= XCB_MOD_MASK_SHIFT;
    if (modifiers & Qt::ControlModifier)
        mask |= XCB_MOD_MASK_CONTROL;
    if (modifiers & Qt::AltModifier)
        mask |= XCB_MOD_MASK_1;
    if (modifiers & Qt::MetaModifier)
        mask |= XCB_MOD_MASK_4;
    return mask;
}

std::optional<X11KeyGrabber::Grab> X11KeyGrabber::resolve(QKeyCombination combination)
{
    const quint32 keysym = keysymFor(combination.key());
    if (keysym == 0 || !m_x.isValid())
        return std::nullopt;
    std::vector<xcb_keycode_t> codes = m_x.keycodes(keysym);
    if (codes.empty())
        return std::nullopt;
    return Grab{combination, codes, modifierMaskFor(combination.keyboardModifiers())};
}

std::vector<quint16> X11KeyGrabber::lockVariants()
{
    const quint16 numLock = m_x.numLockMask();
    std::vector<quint16> variants = {0, XCB_MOD_MASK_LOCK};
    if (numLock) {
        variants.push_back(numLock);
        variants.push_back(numLock | XCB_MOD_MASK_LOCK);
    }
    return variants;
}

KeyGrabber::Result X11KeyGrabber::grabVariants(const Grab& grab)
{
    xcb_connection_t* c = m_x.connection();
    std::vector<xcb_void_cookie_t> cookies;
    for (xcb_keycode_t code : grab.keycodes)
        for (quint16 lock : lockVariants())
            cookies.push_back(xcb_grab_key_checked(c, 1, m_x.root(), grab.modifiers | lock, code,
                                                   XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    // Each request is checked: a refused grab (BadAccess) means another program holds it.
    bool refused = false;
    for (xcb_void_cookie_t cookie : cookies) {
        if (xcb_generic_error_t* error = xcb_request_check(c, cookie)) {
            refused = true;
            std::free(error);
        }
    }
    if (refused) {
        ungrabVariants(grab);
        return Result::Taken;
    }
    return Result::Grabbed;
}

void X11KeyGrabber::ungrabVariants(const Grab& grab)
{
    for (xcb_keycode_t code : grab.keycodes)
        for (quint16 lock : lockVariants())
            xcb_ungrab_key(m_x.connection(), code, m_x.root(), grab.modifiers | lock);
    m_x.flush();
}

KeyGrabber::Result X11KeyGrabber::grab(QKeyCombination combination)
{
    const std::optional<Grab> resolved = resolve(combination);
    if (!resolved)
        return Result::Unsupported;
    const Result result = grabVariants(*resolved);
    if (result == Result::Grabbed)
        m_grabs.append(*resolved);
    return result;
}

void X11KeyGrabber::ungrab(QKeyCombination combination)
{
    for (qsizetype i = 0; i < m_grabs.size(); ++i) {
        if (m_grabs[i].combination == combination) {
            ungrabVariants(m_grabs[i]);
            m_grabs.removeAt(i);
            break;
        }
    }
    if (m_armed == combination)
        m_armed.reset();
}

bool X11KeyGrabber::isTakenElsewhere(QKeyCombination combination)
{
    const std::optional<Grab> resolved = resolve(combination);
    if (!resolved)
        return false;
    if (grabVariants(*resolved) == Result::Taken)
        return true;
    ungrabVariants(*resolved);
    return false;
}

void X11KeyGrabber::handleEvent(xcb_generic_event_t* event)
{
    const uint8_t type = event->response_type & 0x7f;
    if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE)
        return;
    const auto* key = reinterpret_cast<xcb_key_press_event_t*>(event);
    for (const Grab& grab : std::as_const(m_grabs)) {
        const bool ourKey = std::find(grab.keycodes.begin(), grab.keycodes.end(), key->detail) != grab.keycodes.end();
        if (!ourKey)
            continue;
        if (type == XCB_KEY_PRESS) {
            // Armed by the press of the whole combination…
            if ((key->state & relevantModifiers) == grab.modifiers && m_armed != grab.combination) {
                m_armed = grab.combination;
                if (onArmed)
                    onArmed(key->detail);
            }
        } else if (m_armed == grab.combination) {
            // …fired by the release of its key, even after the modifiers went up.
            m_armed.reset();
            if (onReleased)
                onReleased(grab.combination);
            if (afterReleased)
                afterReleased();
        }
        return;
    }
}
