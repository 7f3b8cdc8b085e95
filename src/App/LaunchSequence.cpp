#include "LaunchSequence.h"

void LaunchSequence::run() const
{
    // 1. Stay responsive while idle.
    keepResponsive();
    // 2. The shortcut is live from here on (also while the tour shows).
    startHotkey();
    // 3. The panel exists, hidden, before the first press.
    preloadPanel();
    // 4. First start: the tour, and nothing more.
    if (shouldShowTour()) {
        showTour();
        return;
    }
    // 5. Otherwise only the permission question.
    promptForAccess();
}
