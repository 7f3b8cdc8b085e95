#pragma once

// A tour's surroundings with a virtual clock: the real shortcut facility over a fake
// key grabber, a permission switch, a login item and a record of opened searches.

#include "FakePlatform.h"
#include "GlobalHotkeyManager.h"
#include "OnboardingModel.h"
#include "RecordingSettingsStore.h"

#include <QStringList>

struct OnboardingTestRig {
    OnboardingTestRig() : shortcuts(grabber, store), hotkey(shortcuts, log) { hotkey.start(); }

    OnboardingModel::Services services()
    {
        return {
            scheduler,
            [this] { return trusted; },
            [this] { calls << "prompt"; },
            [this] { calls << "settings"; },
            hotkey,
            [this] { return loginItem; },
            [this](bool enabled) {
                calls << QStringLiteral("login=%1").arg(enabled);
                if (loginItemFails)
                    return false;
                loginItem = enabled;
                return true;
            },
            [this](const std::optional<QString>& typing) { searches << typing.value_or("(empty)"); },
        };
    }

    void advance(int ms) { scheduler.advance(std::chrono::milliseconds(ms)); }

    FakeScheduler scheduler;
    FakeKeyGrabber grabber;
    RecordingSettingsStore store;
    RecordingLogSink log;
    GlobalShortcuts shortcuts;
    GlobalHotkeyManager hotkey;
    bool trusted = true;
    bool loginItem = false;
    bool loginItemFails = false;
    QStringList calls;
    QStringList searches;
};
