// The search panel of the desktop program: its controller over the real window,
// the X11 keyboard and the shared services.

#include "ClipboardService.h"
#include "InsertionPreferences.h"
#include "InsertionService.h"
#include "OnboardingController.h"
#include "Qt/QtLogSink.h"
#include "Qt/QtScheduler.h"
#include "QuickPanelWindow.h"
#include "SearchPanelController.h"
#include "X11/X11Connection.h"
#include "X11/X11KeystrokeHold.h"
#include "X11/X11WindowSystem.h"

#include <X11/keysym.h>

#include <algorithm>

namespace {

// The C and "=" keys by their key codes, whatever the layout makes them type.
PanelKey physicalKey(quint32 scanCode)
{
    X11Connection& x = X11Connection::shared();
    const auto isKey = [&](quint32 keysym) {
        const std::vector<xcb_keycode_t> codes = x.keycodes(keysym);
        return std::find(codes.begin(), codes.end(), scanCode) != codes.end();
    };
    if (isKey(XK_c))
        return PanelKey::C;
    if (isKey(XK_equal))
        return PanelKey::Equal;
    return PanelKey::Other;
}

}  // namespace

SearchPanelController& SearchPanelController::shared()
{
    static X11WindowSystem* windows = new X11WindowSystem(X11Connection::shared());
    static SearchPanelController* controller = new SearchPanelController(
        SearchPanelServices::shared(),
        Services{
            *windows,
            QtScheduler::shared(),
            QtLogSink::shared(),
            InsertionPreferences::shared(),
            [](SearchPanelController& owner) -> std::unique_ptr<PanelWindow> {
                return std::make_unique<QuickPanelWindow>(owner, physicalKey,
                                                          X11Connection::shared().hasCompositingManager());
            },
            [](const QString& text, const std::optional<AppWindow>& target) {
                InsertionService::shared().insert(text, target);
            },
            [](const QString& text) { return OnboardingController::shared().consumeInsertion(text); },
            &X11KeystrokeHold::shared(),
        });
    return *controller;
}
