#pragma once

#include <QObject>
#include <QPoint>

class InsertionPreferences;
class SearchPanelController;
class SearchPanelState;
class QWindow;

// What the panel's QML view asks of C++ beyond the state: emphasised previews,
// Return and double clicks (which insert through the controller), whether the
// query is an exact search, and moving the window by its book icon.
class PanelViewModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool queryIsExact READ queryIsExact NOTIFY queryIsExactChanged)

public:
    PanelViewModel(SearchPanelController& controller, QObject* parent = nullptr);

    void setWindow(QWindow* window) { m_window = window; }

    bool queryIsExact() const;

    // The text as Qt styled text, with the query's words in bold and the primary colour.
    Q_INVOKABLE QString highlighted(const QString& text, bool includeOtherWordForms, const QString& color) const;
    // Return, or a double click: insert the selection when it gives a text.
    Q_INVOKABLE void activateSelection();

    // Window drag from the book icon: origin + (mouse now − mouse at start).
    Q_INVOKABLE void beginDrag();
    Q_INVOKABLE void dragTo();
    Q_INVOKABLE void endDrag();

signals:
    void queryIsExactChanged();

private:
    SearchPanelController& m_controller;
    SearchPanelState& m_state;
    QWindow* m_window = nullptr;
    std::optional<QPoint> m_dragStartOrigin;
    std::optional<QPoint> m_dragStartMouse;
};
