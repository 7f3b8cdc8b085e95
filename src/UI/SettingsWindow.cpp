#include "SettingsWindow.h"

#include <QEvent>
#include <QQmlContext>
#include <QQuickView>

SettingsWindow::SettingsWindow(std::function<SettingsViewModel::Services()> services, QObject* parent)
    : QObject(parent), m_services(std::move(services))
{
}

SettingsWindow::~SettingsWindow()
{
    delete m_view;
}

bool SettingsWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Close && watched == m_view)
        m_view->deleteLater();
    return QObject::eventFilter(watched, event);
}

void SettingsWindow::open()
{
    if (!m_view) {
        auto* view = new QQuickView;
        auto* model = new SettingsViewModel(m_services(), view);
        view->setTitle(QStringLiteral("Налаштування Lampstride"));
        view->setFlags(Qt::Dialog);
        view->rootContext()->setContextProperty(QStringLiteral("settings"), model);
        view->setResizeMode(QQuickView::SizeRootObjectToView);
        view->setSource(QUrl(QStringLiteral("qrc:/qml/SettingsWindow.qml")));
        view->resize(500, 500);
        view->setMinimumSize(QSize(460, 400));
        // Closing deletes the window and its state with it.
        view->installEventFilter(this);
        m_view = view;
    }
    m_view->show();
    m_view->raise();
    m_view->requestActivate();
}
