#include "OnboardingController.h"

#include "SettingsStore.h"

void OnboardingController::LaterDeleter::operator()(QObject* object) const
{
    object->deleteLater();
}

OnboardingController::OnboardingController(Services services) : m_services(std::move(services)) {}

OnboardingController::~OnboardingController()
{
    if (m_model)
        m_model->stop();
}

void OnboardingController::show()
{
    // 1. An open tour keeps its page and everything else.
    if (m_window && m_window->isVisible()) {
        m_window->present();
        return;
    }
    // A held window that is not shown is closed first; the new tour starts afresh.
    if (m_window)
        windowClosed();
    // 2. A fresh model; it ends the tour through this controller.
    m_model.reset(new OnboardingModel(m_services.model, [this] { finish(); }));
    // 3.–4. The window around it.
    m_window = m_services.makeWindow(*m_model, *this);
    // 5.
    m_model->start();
    m_window->present();
}

void OnboardingController::finish()
{
    if (m_window)
        m_window->fadeOutAndClose();
}

void OnboardingController::windowClosed()
{
    m_services.store.setInteger(versionSeenKey, currentVersion);
    if (m_model)
        m_model->stop();
    // The window (and its view) goes first: the view reads the model until then.
    m_window.reset();
    m_model.reset();
}

bool OnboardingController::isVisible() const
{
    return m_window && m_window->isVisible();
}

bool OnboardingController::interceptHotkey()
{
    if (!isVisible() || !m_model || m_model->step() != OnboardingModel::Hotkey)
        return false;
    m_model->hotkeyPressed();
    return true;
}

bool OnboardingController::consumeInsertion(const QString& text)
{
    if (!isVisible() || !m_model || m_model->step() != OnboardingModel::Practice)
        return false;
    m_model->practiceInserted(text);
    // Back in front of the panel that is about to hide.
    m_window->present();
    return true;
}

bool OnboardingController::shouldShow(qint64 seenVersion)
{
    return seenVersion < currentVersion;
}

bool OnboardingController::shouldShowOnLaunch(const SettingsStore& store)
{
    return shouldShow(store.integerValue(versionSeenKey).value_or(0));
}
