#include "AccessibilityManager.h"

#include "LogSink.h"
#include "SyntheticInput.h"

AccessibilityManager::AccessibilityManager(SyntheticInput& input, LogSink& log) : m_input(input), m_log(log) {}

bool AccessibilityManager::isTrusted() const
{
    return m_input.isAvailable();
}

bool AccessibilityManager::promptForAccess()
{
    const bool trusted = isTrusted();
    if (!trusted)
        explainOnce();
    return trusted;
}

void AccessibilityManager::openSystemSettings()
{
    explainOnce();
}

void AccessibilityManager::explainOnce()
{
    if (m_explained)
        return;
    m_explained = true;
    m_log.log(QStringLiteral("insertion"), LogSink::Level::Error,
              QStringLiteral("X-сервер не має розширення XTest — вставляти текст у інші програми неможливо; "
                             "дозволу, який можна було б надати в налаштуваннях, на X11 немає"));
}
