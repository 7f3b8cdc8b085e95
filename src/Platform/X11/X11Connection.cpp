#include "X11Connection.h"

#include <QSocketNotifier>

#include <xcb/xcb_keysyms.h>
// xkb.h names a structure field "explicit", a C++ keyword.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

#include <X11/keysym.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

template <class T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <class T>
Reply<T> reply(T* raw)
{
    return Reply<T>(raw, &std::free);
}

}  // namespace

X11Connection::X11Connection()
{
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (!connection || xcb_connection_has_error(connection)) {
        if (connection)
            xcb_disconnect(connection);
        return;
    }
    m_connection = connection;
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(m_connection));
    for (int i = 0; i < screenNumber && screens.rem; ++i)
        xcb_screen_next(&screens);
    m_root = screens.data ? screens.data->root : XCB_NONE;
    m_keySymbols = xcb_key_symbols_alloc(m_connection);

    // A held shortcut must not fire over and over on synthetic releases.
    makeAutoRepeatDetectable(m_connection);

    m_notifier = new QSocketNotifier(xcb_get_file_descriptor(m_connection), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &X11Connection::readEvents);
}

void X11Connection::makeAutoRepeatDetectable(xcb_connection_t* connection)
{
    auto xkb = reply(xcb_xkb_use_extension_reply(connection, xcb_xkb_use_extension(connection, 1, 0), nullptr));
    if (!xkb || !xkb->supported)
        return;
    const uint32_t flag = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;
    std::free(xcb_xkb_per_client_flags_reply(
        connection, xcb_xkb_per_client_flags(connection, XCB_XKB_ID_USE_CORE_KBD, flag, flag, 0, 0, 0), nullptr));
}

X11Connection::~X11Connection()
{
    if (m_keySymbols)
        xcb_key_symbols_free(m_keySymbols);
    if (m_connection)
        xcb_disconnect(m_connection);
}

X11Connection& X11Connection::shared()
{
    static X11Connection* connection = new X11Connection;  // lives as long as the program
    return *connection;
}

xcb_atom_t X11Connection::atom(const char* name)
{
    const QByteArray key(name);
    if (const auto it = m_atoms.constFind(key); it != m_atoms.cend())
        return *it;
    if (!m_connection)
        return XCB_NONE;
    auto r = reply(xcb_intern_atom_reply(
        m_connection, xcb_intern_atom(m_connection, 0, static_cast<uint16_t>(key.size()), name), nullptr));
    const xcb_atom_t value = r ? r->atom : XCB_NONE;
    m_atoms.insert(key, value);
    return value;
}

std::optional<QByteArray> X11Connection::property(xcb_window_t window, xcb_atom_t property, xcb_atom_t type)
{
    if (!m_connection || window == XCB_NONE || property == XCB_NONE)
        return std::nullopt;
    auto r = reply(xcb_get_property_reply(
        m_connection, xcb_get_property(m_connection, 0, window, property, type, 0, 4096), nullptr));
    if (!r || r->type == XCB_NONE)
        return std::nullopt;
    const int length = xcb_get_property_value_length(r.get());
    return QByteArray(static_cast<const char*>(xcb_get_property_value(r.get())), length);
}

std::optional<quint32> X11Connection::firstWord(xcb_window_t window, const char* name, xcb_atom_t type)
{
    const std::optional<QByteArray> bytes = property(window, atom(name), type);
    if (!bytes || bytes->size() < 4)
        return std::nullopt;
    quint32 value;
    std::memcpy(&value, bytes->constData(), 4);
    return value;
}

std::optional<quint32> X11Connection::cardinalProperty(xcb_window_t window, const char* name)
{
    return firstWord(window, name, XCB_ATOM_CARDINAL);
}

std::optional<xcb_window_t> X11Connection::windowProperty(xcb_window_t window, const char* name)
{
    return firstWord(window, name, XCB_ATOM_WINDOW);
}

xcb_window_t X11Connection::parent(xcb_window_t window)
{
    if (!m_connection || window == XCB_NONE)
        return XCB_NONE;
    auto r = reply(xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, window), nullptr));
    return r ? r->parent : XCB_NONE;
}

QString X11Connection::windowManagerName()
{
    // A running window manager points the root at a window that points at itself.
    const std::optional<xcb_window_t> check = windowProperty(m_root, "_NET_SUPPORTING_WM_CHECK");
    if (!check || *check == XCB_NONE || windowProperty(*check, "_NET_SUPPORTING_WM_CHECK") != check)
        return {};
    const std::optional<QByteArray> name = property(*check, atom("_NET_WM_NAME"), atom("UTF8_STRING"));
    return name && !name->isEmpty() ? QString::fromUtf8(*name) : QStringLiteral("window manager");
}

void X11Connection::refreshKeyboardMap()
{
    if (m_keySymbols)
        xcb_key_symbols_free(m_keySymbols);
    m_keySymbols = xcb_key_symbols_alloc(m_connection);
}

quint32 X11Connection::baseKeysym(quint32 keycode)
{
    if (!m_keySymbols || keycode > 255)
        return 0;
    return xcb_key_symbols_get_keysym(m_keySymbols, static_cast<xcb_keycode_t>(keycode), 0);
}

std::vector<xcb_keycode_t> X11Connection::keycodes(quint32 keysym)
{
    std::vector<xcb_keycode_t> result;
    if (!m_keySymbols)
        return result;
    std::unique_ptr<xcb_keycode_t, decltype(&std::free)> codes(xcb_key_symbols_get_keycode(m_keySymbols, keysym),
                                                                &std::free);
    for (xcb_keycode_t* code = codes.get(); code && *code != XCB_NO_SYMBOL; ++code)
        result.push_back(*code);
    return result;
}

quint16 X11Connection::numLockMask()
{
    if (!m_connection)
        return 0;
    const std::vector<xcb_keycode_t> numLock = keycodes(XK_Num_Lock);
    auto r = reply(xcb_get_modifier_mapping_reply(m_connection, xcb_get_modifier_mapping(m_connection), nullptr));
    if (!r)
        return 0;
    const xcb_keycode_t* map = xcb_get_modifier_mapping_keycodes(r.get());
    const int perModifier = r->keycodes_per_modifier;
    for (int modifier = 0; modifier < 8; ++modifier)
        for (int i = 0; i < perModifier; ++i)
            for (xcb_keycode_t code : numLock)
                if (map[modifier * perModifier + i] == code)
                    return static_cast<quint16>(1 << modifier);
    return 0;
}

std::vector<xcb_keycode_t> X11Connection::modifierKeycodesDown()
{
    std::vector<xcb_keycode_t> down;
    if (!m_connection)
        return down;
    auto mapping = reply(xcb_get_modifier_mapping_reply(m_connection, xcb_get_modifier_mapping(m_connection), nullptr));
    auto keymap = reply(xcb_query_keymap_reply(m_connection, xcb_query_keymap(m_connection), nullptr));
    if (!mapping || !keymap)
        return down;
    const quint16 numLock = numLockMask();
    const xcb_keycode_t* map = xcb_get_modifier_mapping_keycodes(mapping.get());
    const int perModifier = mapping->keycodes_per_modifier;
    for (int modifier = 0; modifier < 8; ++modifier) {
        // Caps Lock and Num Lock are switches, not held keys.
        if (modifier == 1 || (1 << modifier) == numLock)
            continue;
        for (int i = 0; i < perModifier; ++i) {
            const xcb_keycode_t code = map[modifier * perModifier + i];
            if (code != 0 && (keymap->keys[code / 8] & (1 << (code % 8))))
                down.push_back(code);
        }
    }
    return down;
}

bool X11Connection::hasCompositingManager()
{
    if (!m_connection)
        return false;
    // A compositor owns the selection _NET_WM_CM_S<screen>.
    const xcb_atom_t selection = atom("_NET_WM_CM_S0");
    auto r = reply(xcb_get_selection_owner_reply(m_connection, xcb_get_selection_owner(m_connection, selection), nullptr));
    return r && r->owner != XCB_NONE;
}

void X11Connection::flush()
{
    if (m_connection)
        xcb_flush(m_connection);
}

void X11Connection::sync()
{
    if (!m_connection)
        return;
    std::free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
    readEvents();
}

void X11Connection::addEventListener(std::function<void(xcb_generic_event_t*)> listener)
{
    m_listeners.push_back(std::move(listener));
}

void X11Connection::readEvents()
{
    while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
        const uint8_t type = event->response_type & 0x7f;
        if (type == XCB_MAPPING_NOTIFY)  // a new layout: key codes may mean other symbols now
            refreshKeyboardMap();
        for (const auto& listener : m_listeners)
            listener(event);
        std::free(event);
    }
}
