#include "TrayMenu.h"

#include "GlobalHotkeyManager.h"
#include "Qt/QtLogSink.h"

#include <QCursor>
#include <QIcon>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QSystemTrayIcon>

QIcon lampstrideIcon()
{
    // The theme's icon when the program is installed; otherwise drawn here.
    QIcon icon = QIcon::fromTheme(QStringLiteral("com.lampstride.Lampstride"));
    if (!icon.isNull())
        return icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(QColor(0x2f, 0x5d, 0x8a));
        painter.setPen(Qt::NoPen);
        painter.drawRoundedRect(QRectF(0, 0, size, size), size * 0.22, size * 0.22);
        // A closed book on a 24-unit grid, as the panel draws it.
        const qreal u = size / 24.0;
        QPainterPath book;
        book.moveTo(7 * u, 5 * u);
        book.lineTo(18 * u, 5 * u);
        book.lineTo(18 * u, 16.5 * u);
        book.lineTo(7.5 * u, 16.5 * u);
        book.arcTo(QRectF(5.5 * u, 16.5 * u, 4 * u, 3 * u), 90, 180);
        book.lineTo(18 * u, 19.5 * u);
        book.moveTo(7 * u, 5 * u);
        book.arcTo(QRectF(5.5 * u, 5 * u, 3 * u, 3 * u), 90, 90);
        book.lineTo(5.5 * u, 18 * u);
        painter.setPen(QPen(Qt::white, std::max(1.2, 1.6 * u), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(book);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

TrayMenu::TrayMenu(GlobalHotkeyManager& hotkey, const Actions& actions, QObject* parent)
    : QObject(parent), m_hotkey(hotkey), m_menu(new QMenu)
{
    m_openSearch = m_menu->addAction(QStringLiteral("Відкрити пошук"), actions.openSearch);
    m_menu->addSeparator();
    m_menu->addAction(QStringLiteral("Як користуватися…"), actions.showTour);
    m_menu->addAction(QStringLiteral("Налаштування…"), QKeySequence(Qt::ControlModifier | Qt::Key_Comma),
                      actions.openSettings);
    m_menu->addSeparator();
    m_menu->addAction(QStringLiteral("Вийти"), QKeySequence(Qt::ControlModifier | Qt::Key_Q), actions.quit);
    updateSearchShortcut();
    connect(m_menu, &QMenu::aboutToShow, this, &TrayMenu::updateSearchShortcut);
    connect(&m_hotkey, &GlobalHotkeyManager::shortcutChanged, this, &TrayMenu::updateSearchShortcut);

    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        QtLogSink::shared().log(QStringLiteral("app"), LogSink::Level::Error,
                                QStringLiteral("Системного лотка немає — значка й меню не буде; гаряча клавіша "
                                               "працює, налаштування: lampstride --settings"));
        return;
    }
    m_icon = new QSystemTrayIcon(lampstrideIcon(), this);
    m_icon->setToolTip(QStringLiteral("Lampstride"));
    m_icon->setContextMenu(m_menu);
    // A left click shows the same menu, as a menu-bar item would.
    connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason why) {
        if (why == QSystemTrayIcon::Trigger)
            m_menu->popup(QCursor::pos());
    });
    m_icon->show();
}

TrayMenu::~TrayMenu()
{
    delete m_menu;
}

bool TrayMenu::isShown() const
{
    return m_icon && m_icon->isVisible();
}

void TrayMenu::updateSearchShortcut()
{
    // The shortcut as the menu writes it, or none when it was cleared.
    const std::optional<QKeyCombination> current = m_hotkey.shortcuts().shortcut(GlobalHotkeyManager::shortcutName);
    m_openSearch->setShortcut(current ? QKeySequence(*current) : QKeySequence());
    m_openSearch->setShortcutContext(Qt::WidgetShortcut);
}
