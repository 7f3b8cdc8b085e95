#pragma once

#include "SettingsViewModel.h"

#include <QObject>
#include <QPointer>
#include <QQuickView>

// The Settings window: created when opened, deleted when closed, so that each
// opening starts from the real state (login item, no stale shortcut problem).
class SettingsWindow : public QObject {
    Q_OBJECT

public:
    explicit SettingsWindow(std::function<SettingsViewModel::Services()> services, QObject* parent = nullptr);
    ~SettingsWindow() override;

    // Opens the window, or brings the open one to the front.
    void open();
    QQuickView* view() const { return m_view; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<SettingsViewModel::Services()> m_services;
    QPointer<QQuickView> m_view;
};
