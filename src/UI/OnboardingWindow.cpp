#include "OnboardingWindow.h"

#include "Springs.h"
#include "TipDemo.h"

#include <QGuiApplication>
#include <QPalette>
#include <QLoggingCategory>
#include <QPropertyAnimation>
#include <QQmlContext>
#include <QQmlEngine>
#include <QScreen>
#include <QTimer>

#ifdef __GLIBC__
#include <malloc.h>
#endif

Q_LOGGING_CATEGORY(tourLog, "com.lampstride.Lampstride.tour", QtWarningMsg)

namespace {

constexpr QSize windowSize(720, 540);

// Tells the owner about every close, however it came about.
class TourView : public QQuickView {
public:
    std::function<void()> onClosed;

protected:
    bool event(QEvent* event) override
    {
        const bool closing = event->type() == QEvent::Close;
        const bool handled = QQuickView::event(event);
        if (closing && onClosed) {
            // The owner may delete the window object that holds this view.
            const std::function<void()> closed = std::move(onClosed);
            onClosed = nullptr;
            closed();
        }
        return handled;
    }
};

const char* stepName(int step)
{
    static const char* names[] = {"welcome", "permission", "hotkey", "practice", "tips", "done"};
    return step >= 0 && step < OnboardingModel::stepCount ? names[step] : "?";
}

}  // namespace

TourViewSupport::TourViewSupport(const ShortcutRecorder::Services& recorder, const QString& welcomeLead,
                                 Scheduler& scheduler, QObject* parent)
    : QObject(parent), m_recorder(recorder), m_welcomeLead(welcomeLead), m_scheduler(scheduler)
{
}

QObject* TourViewSupport::makeDemo(int kind, QObject* owner)
{
    if (kind < TipDemo::Search || kind > TipDemo::History)
        return nullptr;
    auto* demo = new TipDemo(TipDemo::Kind(kind), m_scheduler, owner);
    QQmlEngine::setObjectOwnership(demo, QQmlEngine::CppOwnership);
    return demo;
}

double TourViewSupport::spring(double response, double dampingFraction) const
{
    return Springs::spring(response, dampingFraction);
}

double TourViewSupport::damping(double response, double dampingFraction) const
{
    return Springs::damping(response, dampingFraction);
}

void TourViewSupport::note(const QString& message) const
{
    qCDebug(tourLog).noquote() << message;
}

OnboardingWindow::OnboardingWindow(OnboardingModel& model, std::function<void()> onClosed, const Services& services)
{
    auto* view = new TourView;
    view->onClosed = std::move(onClosed);
    m_view = view;

    // No minimise or maximise: a small, fixed dialog-like window. The title is for
    // the window list; the page says the rest.
    view->setFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    view->setTitle(QStringLiteral("Знайомство з Lampstride"));
    view->setMinimumSize(windowSize);
    view->setMaximumSize(windowSize);
    view->resize(windowSize);
    view->setColor(QGuiApplication::palette().color(QPalette::Window));

    auto* support = new TourViewSupport(services.recorder, OnboardingModel::welcomeLead(services.translation),
                                        services.scheduler, view);
    // The recorder reports refused shortcuts into the model's problem line.
    QObject::connect(support->recorder(), &ShortcutRecorder::problemChanged, &model,
                     &OnboardingModel::setShortcutProblem);
    QObject::connect(&model, &OnboardingModel::stepChanged, support,
                     [&model] { qCDebug(tourLog).noquote() << "сторінка:" << stepName(model.step()); });
    QObject::connect(&model, &OnboardingModel::hotkeyPressCountChanged, support, [&model] {
        qCDebug(tourLog).noquote() << "гаряча клавіша на сторінці туру, натискань:" << model.hotkeyPressCount();
    });
    QObject::connect(&model, &OnboardingModel::practiceTextChanged, support, [&model] {
        qCDebug(tourLog).noquote() << "вставка в нотатку туру:" << model.practiceText();
    });

    view->rootContext()->setContextProperty(QStringLiteral("tour"), &model);
    view->rootContext()->setContextProperty(QStringLiteral("tourKit"), support);
    view->setResizeMode(QQuickView::SizeRootObjectToView);
    // (Errors in the view are reported by the QML engine itself.)
    view->setSource(QUrl(QStringLiteral("qrc:/qml/tour/OnboardingView.qml")));

    if (QScreen* screen = view->screen()) {
        const QRect area = screen->availableGeometry();
        view->setPosition(area.center() - QPoint(windowSize.width() / 2, windowSize.height() / 2));
    }
    qCDebug(tourLog).noquote() << "сторінка:" << stepName(model.step());
}

OnboardingWindow::~OnboardingWindow()
{
    if (!m_view)
        return;
    static_cast<TourView*>(m_view.data())->onClosed = nullptr;
    m_view->hide();
    // Possibly inside the view's own close event: delete it when that is over.
    m_view->deleteLater();
    // The tour's scene, engine and caches are a good part of the program's memory;
    // once they are gone, hand the freed pages back (glibc keeps them otherwise).
#ifdef __GLIBC__
    QTimer::singleShot(1000, [] { malloc_trim(0); });
#endif
}

void OnboardingWindow::present()
{
    if (!m_view)
        return;
    m_view->show();
    m_view->raise();
    m_view->requestActivate();
}

bool OnboardingWindow::isVisible() const
{
    return m_view && m_view->isVisible();
}

void OnboardingWindow::fadeOutAndClose()
{
    if (!m_view)
        return;
    auto* fade = new QPropertyAnimation(m_view, "opacity", m_view);
    fade->setDuration(250);
    fade->setStartValue(m_view->opacity());
    fade->setEndValue(0.0);
    QPointer<QQuickView> view = m_view;
    QObject::connect(fade, &QPropertyAnimation::finished, view, [view] {
        view->close();
        view->setOpacity(1.0);
    });
    fade->start(QAbstractAnimation::DeleteWhenStopped);
}
