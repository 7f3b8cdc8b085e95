#pragma once

class LogSink;
class SyntheticInput;

// Whether the program may type into other programs. On X11 that is the XTest
// extension: present means permitted; there is no prompt to show and no settings
// page to open, which is logged once.
class AccessibilityManager {
public:
    AccessibilityManager(SyntheticInput& input, LogSink& log);
    static AccessibilityManager& shared();

    bool isTrusted() const;
    // Nothing to ask on X11; answers the current state.
    bool promptForAccess();
    void openSystemSettings();

private:
    void explainOnce();

    SyntheticInput& m_input;
    LogSink& m_log;
    bool m_explained = false;
};
