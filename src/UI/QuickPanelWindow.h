#pragma once

#include "PanelWindow.h"

#include <QObject>

#include <functional>
#include <memory>

class QQuickView;
class PanelViewModel;
class SearchPanelController;

// The panel as a frameless Qt Quick window that stays on top, 560 wide, drawing
// SearchPanel.qml. With a compositing manager its corners are translucent and round;
// without one the window is cut to the rounded shape (no black corners).
class QuickPanelWindow : public QObject, public PanelWindow {
    Q_OBJECT

public:
    // How long a loss of focus must last to count.
    static constexpr int focusSettleMs = 60;

    // `physicalKey` names a key by its hardware code (the C and "=" keys in any layout).
    QuickPanelWindow(SearchPanelController& controller, std::function<PanelKey(quint32 scanCode)> physicalKey,
                     bool compositing);
    ~QuickPanelWindow() override;

    bool isVisible() const override;
    void showAndFocus() override;
    void hide() override;
    QRect frame() const override;
    void setFrame(const QRect& frame) override;
    std::optional<QRect> screenArea() const override;
    bool isCaretAtEndOfQuery() const override;
    quint64 nativeId() const override;

    QQuickView* view() const { return m_view.get(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void applyShape();

private:
    std::unique_ptr<QQuickView> m_view;
    PanelViewModel* m_viewModel;
    std::function<PanelKey(quint32)> m_physicalKey;
    bool m_compositing;
};
