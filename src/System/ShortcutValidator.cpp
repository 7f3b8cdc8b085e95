#include "ShortcutValidator.h"

#include "GlobalShortcuts.h"

#include <QSet>

namespace ShortcutValidator {
namespace {

// Ctrl, Alt and Meta stand where a shortcut needs a "real" modifier (Shift does not);
// Shift joins them when two combinations are compared.
constexpr Qt::KeyboardModifiers commandClass = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
constexpr Qt::KeyboardModifiers fullMask = commandClass | Qt::ShiftModifier;

}  // namespace

bool isNonPrintingKey(Qt::Key key)
{
    static const QSet<Qt::Key> keys = {
        Qt::Key_Space, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Backspace, Qt::Key_Delete,
        Qt::Key_Escape, Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right,
        Qt::Key_Home, Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Enter,
    };
    return keys.contains(key);
}

bool isFunctionKey(Qt::Key key)
{
    return key >= Qt::Key_F1 && key <= Qt::Key_F20;
}

std::optional<QString> systemFeatureName(QKeyCombination shortcut)
{
    const Qt::KeyboardModifiers m = shortcut.keyboardModifiers() & fullMask;
    const Qt::Key key = shortcut.key();
    // What desktops on Linux commonly bind; the first match wins.
    if (key == Qt::Key_Space && m == Qt::AltModifier)
        return QStringLiteral("меню вікна");
    if (key == Qt::Key_Space && (m == Qt::MetaModifier || m == Qt::ControlModifier))
        return QStringLiteral("перемикання мови введення");
    if (key == Qt::Key_Tab && (m == Qt::AltModifier || m == (Qt::AltModifier | Qt::ShiftModifier)))
        return QStringLiteral("перемикання вікон");
    if (key == Qt::Key_F2 && m == Qt::AltModifier)
        return QStringLiteral("запуск програм");
    if (key == Qt::Key_Print)
        return QStringLiteral("знімки екрана");
    if (key == Qt::Key_Up && m == Qt::MetaModifier)
        return QStringLiteral("розгортання вікна");
    return std::nullopt;
}

std::optional<QString> problem(QKeyCombination shortcut, const QList<QKeyCombination>& systemShortcuts,
                               const QString& desktopName)
{
    const Qt::KeyboardModifiers m = shortcut.keyboardModifiers();
    const Qt::KeyboardModifiers c = m & commandClass;
    const bool functionKey = isFunctionKey(shortcut.key());
    const auto name = [](Qt::KeyboardModifier modifier) { return GlobalShortcuts::modifierName(modifier); };

    // 1. A real modifier is needed (function keys may stand alone).
    if (!c && !functionKey)
        return QStringLiteral("Додайте хоча б одну з клавіш %1, %2 або %3.")
            .arg(name(Qt::ControlModifier), name(Qt::AltModifier), name(Qt::MetaModifier));
    // 2. Held by the desktop: the first match names it.
    for (const QKeyCombination& taken : systemShortcuts) {
        if (taken.key() == shortcut.key() && !((m ^ taken.keyboardModifiers()) & fullMask)) {
            QString message = QStringLiteral("Цю комбінацію вже використовує ") + desktopName;
            if (const std::optional<QString> feature = systemFeatureName(taken))
                message += QStringLiteral(" (") + *feature + u')';
            return message + u'.';
        }
    }
    // 3. Alt with a character key is the key of a menu or a typed character.
    if (!isNonPrintingKey(shortcut.key()) && !functionKey && c == Qt::AltModifier)
        return QStringLiteral("%1 з літерою чи цифрою друкує спецсимвол — оберіть іншу, наприклад із %2.")
            .arg(name(Qt::AltModifier), name(Qt::MetaModifier));
    // 4.
    return std::nullopt;
}

QString desktopName(const QString& windowManagerName)
{
    const QString desktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':').value(0).trimmed();
    if (!desktop.isEmpty())
        return desktop;
    if (!windowManagerName.isEmpty())
        return windowManagerName;
    return QStringLiteral("інша програма");
}

}  // namespace ShortcutValidator
