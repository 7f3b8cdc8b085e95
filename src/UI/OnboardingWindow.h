#pragma once

#include "OnboardingController.h"
#include "ShortcutRecorder.h"

#include <QPointer>
#include <QQuickView>

#include <functional>

class Scheduler;

// What the tour's pages need besides the model: the shortcut recorder of the
// shortcut page, the welcome sentence, the springs, and the tips' demonstrations.
class TourViewSupport : public QObject {
    Q_OBJECT
    Q_PROPERTY(ShortcutRecorder* recorder READ recorder CONSTANT)
    Q_PROPERTY(QString welcomeLead READ welcomeLead CONSTANT)

public:
    TourViewSupport(const ShortcutRecorder::Services& recorder, const QString& welcomeLead, Scheduler& scheduler,
                    QObject* parent = nullptr);

    ShortcutRecorder* recorder() { return &m_recorder; }
    QString welcomeLead() const { return m_welcomeLead; }

    // A demonstration of the tips page, owned by (and gone with) `owner`.
    Q_INVOKABLE QObject* makeDemo(int kind, QObject* owner);
    // Qt Quick's spring parameters for a spring given as (response, damping fraction).
    Q_INVOKABLE double spring(double response, double dampingFraction) const;
    Q_INVOKABLE double damping(double response, double dampingFraction) const;
    // Says what the tour shows, for whoever reads the debug log.
    Q_INVOKABLE void note(const QString& message) const;

private:
    ShortcutRecorder m_recorder;
    QString m_welcomeLead;
    Scheduler& m_scheduler;
};

// The tour's window: 720 × 540, not resizable, centred, the QML tour inside.
class OnboardingWindow : public TourWindow {
public:
    struct Services {
        ShortcutRecorder::Services recorder;
        QString translation;
        Scheduler& scheduler;
    };

    OnboardingWindow(OnboardingModel& model, std::function<void()> onClosed, const Services& services);
    ~OnboardingWindow() override;

    void present() override;
    bool isVisible() const override;
    void fadeOutAndClose() override;

    QQuickView* view() const { return m_view; }

private:
    QPointer<QQuickView> m_view;
};
