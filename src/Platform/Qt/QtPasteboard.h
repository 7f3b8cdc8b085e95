#pragma once

#include "Pasteboard.h"

class QClipboard;

// The desktop's CLIPBOARD selection through QClipboard. X11 holds one item; its
// formats are read with their bytes, so a snapshot outlives the owner that served
// it (QClipboard drops its previous QMimeData when new data is set).
class QtPasteboard : public Pasteboard {
public:
    explicit QtPasteboard(QClipboard* clipboard);
    // Over QGuiApplication::clipboard(); needs a running QGuiApplication.
    static QtPasteboard& shared();

    // Formats that are not content: the selection protocol's own targets, and
    // in-process handles that mean nothing once their owner is gone.
    static bool isContentFormat(const QString& type);

    int itemCount() const override;
    QStringList types(int item) const override;
    std::optional<QByteArray> data(int item, const QString& type) const override;
    void clearContents() override;
    void writeItems(const QList<PasteboardItem>& items) override;

private:
    QClipboard* m_clipboard;
};
