#include "QuickPanelWindow.h"

#include "InsertionPreferences.h"
#include "PanelViewModel.h"
#include "SearchPanelController.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainterPath>
#include <QQmlContext>
#include <QQmlProperty>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QRegion>
#include <QScreen>
#include <QTimer>

namespace {

constexpr int cornerRadius = 16;

PanelKey keyOf(const QKeyEvent& event, const std::function<PanelKey(quint32)>& physicalKey)
{
    switch (event.key()) {
    case Qt::Key_Up: return PanelKey::Up;
    case Qt::Key_Down: return PanelKey::Down;
    case Qt::Key_Left: return PanelKey::Left;
    case Qt::Key_Right: return PanelKey::Right;
    case Qt::Key_C: return PanelKey::C;
    case Qt::Key_Equal: return PanelKey::Equal;
    default:
        // In a Cyrillic layout the C key sends "С": the key itself is what counts.
        return physicalKey ? physicalKey(event.nativeScanCode()) : PanelKey::Other;
    }
}

}  // namespace

QuickPanelWindow::QuickPanelWindow(SearchPanelController& controller, std::function<PanelKey(quint32)> physicalKey,
                                   bool compositing)
    : m_view(std::make_unique<QQuickView>()), m_physicalKey(std::move(physicalKey)), m_compositing(compositing)
{
    m_viewModel = new PanelViewModel(controller, this);
    m_viewModel->setWindow(m_view.get());

    m_view->setTitle(QStringLiteral("Lampstride"));
    m_view->setFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    if (m_compositing) {
        QSurfaceFormat format = m_view->format();
        format.setAlphaBufferSize(8);
        m_view->setFormat(format);
        m_view->setColor(Qt::transparent);
    }
    QQmlContext* context = m_view->rootContext();
    context->setContextProperty(QStringLiteral("panelState"), &controller.state());
    context->setContextProperty(QStringLiteral("preferences"), &controller.preferences());
    context->setContextProperty(QStringLiteral("panel"), m_viewModel);
    context->setContextProperty(QStringLiteral("translucent"), m_compositing);
    m_view->setResizeMode(QQuickView::SizeRootObjectToView);
    m_view->setSource(QUrl(QStringLiteral("qrc:/qml/SearchPanel.qml")));
    m_view->resize(SearchPanelController::panelWidth, SearchPanelController::initialHeight);
    m_view->installEventFilter(this);
    if (m_view->status() == QQuickView::Error)
        qWarning() << "SearchPanel.qml:" << m_view->errors();

    // Focus really lost, not just flickering: when a keyboard grab ends, X11 can
    // report the focus leaving a window of this program a moment before it reports
    // it arriving in the panel; only a loss that is still there shortly afterwards
    // closes the panel.
    connect(m_view.get(), &QWindow::activeChanged, this, [this] {
        if (m_view->isActive() || !m_view->isVisible())
            return;
        QTimer::singleShot(focusSettleMs, this, [this] {
            if (!m_view->isActive() && m_view->isVisible() && onFocusLost)
                onFocusLost();
        });
    });
    // The panel is as tall as its content; the controller keeps the top edge in place.
    if (QQuickItem* root = m_view->rootObject()) {
        connect(root, &QQuickItem::implicitHeightChanged, this, [this, root] {
            if (onContentHeightChanged)
                onContentHeightChanged(qRound(root->implicitHeight()));
        });
        m_view->resize(SearchPanelController::panelWidth, qRound(root->implicitHeight()));
        QQmlProperty(root, QStringLiteral("panelHeight")).connectNotifySignal(this, SLOT(applyShape()));
        QQmlProperty(root, QStringLiteral("menuRect")).connectNotifySignal(this, SLOT(applyShape()));
    }
    connect(m_view.get(), &QWindow::heightChanged, this, [this] { applyShape(); });
}

QuickPanelWindow::~QuickPanelWindow() = default;

bool QuickPanelWindow::isVisible() const
{
    return m_view->isVisible();
}

void QuickPanelWindow::showAndFocus()
{
    applyShape();
    m_view->show();
    m_view->raise();
    m_view->requestActivate();
}

void QuickPanelWindow::hide()
{
    m_view->hide();
}

QRect QuickPanelWindow::frame() const
{
    return m_view->geometry();
}

void QuickPanelWindow::setFrame(const QRect& frame)
{
    m_view->setGeometry(frame);
}

std::optional<QRect> QuickPanelWindow::screenArea() const
{
    // The screen under the pointer is the one the user works on.
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return std::nullopt;
    return screen->availableGeometry();
}

bool QuickPanelWindow::isCaretAtEndOfQuery() const
{
    QQuickItem* root = m_view->rootObject();
    return !root || root->property("caretAtEnd").toBool();
}

quint64 QuickPanelWindow::nativeId() const
{
    return m_view->winId();
}

void QuickPanelWindow::applyShape()
{
    if (m_compositing)
        return;
    // No compositor: cut the window to the panel's rounded rectangle and the open menu.
    QQuickItem* root = m_view->rootObject();
    const int panelHeight = root ? root->property("panelHeight").toInt() : m_view->height();
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, m_view->width(), panelHeight > 0 ? panelHeight : m_view->height()), cornerRadius,
                        cornerRadius);
    QRegion shape(path.toFillPolygon().toPolygon());
    if (root) {
        const QRectF menu = root->property("menuRect").toRectF();
        if (!menu.isEmpty())
            shape += menu.adjusted(-1, -8, 1, 1).toAlignedRect();  // with the arrow above it
    }
    m_view->setMask(shape);
}

bool QuickPanelWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        PanelKeyEvent panelEvent;
        panelEvent.type = event->type() == QEvent::KeyPress ? PanelKeyEvent::Type::Press : PanelKeyEvent::Type::Release;
        panelEvent.key = keyOf(*key, m_physicalKey);
        panelEvent.modifiers = key->modifiers();
        panelEvent.isAutoRepeat = key->isAutoRepeat();
        if (panelEvent.key != PanelKey::Other && onKey && onKey(panelEvent))
            return true;
    }
    return QObject::eventFilter(watched, event);
}
