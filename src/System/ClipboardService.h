#pragma once

#include "Pasteboard.h"

#include <optional>

// Every write the program makes to the clipboard: the user's own copy, and the
// transient text of an insertion, which keeps a snapshot of what the clipboard
// held so that it can be put back a moment later.
class ClipboardService {
public:
    // Clipboard-history tools skip content that carries this format.
    static inline const QString transientMarker = QStringLiteral("org.nspasteboard.TransientType");
    // Linux clipboard managers skip content whose hint is "secret".
    static inline const QString passwordManagerHint = QStringLiteral("x-kde-passwordManagerHint");

    explicit ClipboardService(Pasteboard& pasteboard);
    static ClipboardService& shared();

    // The user's copy: replaces the clipboard and drops any pending restore.
    void copy(const QString& text);
    // Text for an insertion, marked transient, after a snapshot of the clipboard.
    void copyTransient(const QString& text);
    // Puts the snapshot back, once.
    void restorePreviousIfNeeded();

    QList<PasteboardItem> snapshotCurrentPasteboard() const;
    bool hasSnapshot() const { return m_savedItems.has_value(); }

private:
    Pasteboard& m_pasteboard;
    std::optional<QList<PasteboardItem>> m_savedItems;
};
