#include "SearchPanelController.h"

#include "InsertionPreferences.h"
#include "LogSink.h"
#include "TextNormalization.h"

#include <QPointer>

SearchPanelController::SearchPanelController(const SearchPanelServices& stateServices, const Services& services,
                                             QObject* parent)
    : QObject(parent), m_state(stateServices), m_services(services)
{
    // Every change of the query searches again: typing, the typing animation, "=".
    connect(&m_state, &SearchPanelState::queryChanged, &m_state, &SearchPanelState::updateSearch);
}

SearchPanelController::~SearchPanelController() = default;

void SearchPanelController::log(const QString& message)
{
    m_services.log.log(QStringLiteral("panel"), LogSink::Level::Default, message);
}

void SearchPanelController::makePanel()
{
    m_window = m_services.makeWindow(*this);
    QPointer<SearchPanelController> self(this);
    m_window->onFocusLost = [self] {
        if (self)
            self->hide();
    };
    m_window->onUserMoved = [self] {
        if (self)
            self->m_userHasRepositioned = true;
    };
    m_window->onContentHeightChanged = [self](int height) {
        if (self)
            self->adjustHeight(height);
    };
    m_window->onKey = [self](const PanelKeyEvent& event) { return self && self->handleKey(event); };
}

void SearchPanelController::adjustHeight(int height)
{
    // The top edge stays; the panel grows and shrinks downwards, always 560 wide.
    const QRect frame = m_window->frame();
    if (height > 0 && height != frame.height())
        m_window->setFrame(QRect(frame.x(), frame.y(), panelWidth, height));
}

void SearchPanelController::centerOnActiveScreen()
{
    const std::optional<QRect> area = m_window->screenArea();
    if (!area)
        return;
    // Centred, and 15 % of the screen's height above the middle.
    const QRect frame = m_window->frame();
    const int x = area->x() + (area->width() - frame.width()) / 2;
    const int y = area->y() + (area->height() - frame.height()) / 2 - static_cast<int>(area->height() * 0.15);
    m_window->setFrame(QRect(x, y, frame.width(), frame.height()));
}

void SearchPanelController::preload()
{
    if (m_window)
        return;
    makePanel();
    m_window->hide();
}

void SearchPanelController::show()
{
    // 1. Remember the program in front, unless it is this one.
    const std::optional<AppWindow> front = m_services.windows.frontmostWindow();
    if (front && front->pid != m_services.windows.ownPid())
        m_previousApp = front;
    else if (!m_previousApp)
        m_previousApp = front;
    // 2.
    const bool resetWasPending = m_pendingReset != 0;
    m_services.scheduler.cancel(m_pendingReset);
    m_pendingReset = 0;
    // 3.
    if (!m_window)
        makePanel();
    // 4. Where the user left it, where it was a moment ago, or centred.
    if (!m_userHasRepositioned && !resetWasPending)
        centerOnActiveScreen();
    // 5. Keys typed from now on wait for the panel.
    if (m_services.keystrokes && !m_window->isVisible())
        m_services.keystrokes->hold(m_window->nativeId());
    m_window->showAndFocus();
}

void SearchPanelController::show(const std::optional<QString>& typing)
{
    // 1.
    if (!typing) {
        show();
        return;
    }
    // 2. Fresh, and therefore centred.
    m_services.scheduler.cancel(m_pendingReset);
    m_pendingReset = 0;
    m_state.reset();
    show();
    // 3.–4. One more character every 55 ms, each prefix assigned whole.
    cancelTyping();
    const qsizetype total = std::max<qsizetype>(TextNormalization::characterCount(*typing), 1);
    typeNext(*typing, 1, total);
}

void SearchPanelController::typeNext(QString text, qsizetype count, qsizetype total)
{
    QPointer<SearchPanelController> self(this);
    m_typingStep = m_services.scheduler.schedule(typingStep, [self, text, count, total] {
        if (!self)
            return;
        self->m_typingStep = 0;
        self->m_state.setQuery(text.left(TextNormalization::offsetOfCharacter(text, count)));
        if (count < total)
            self->typeNext(text, count + 1, total);
    });
}

void SearchPanelController::cancelTyping()
{
    m_services.scheduler.cancel(m_typingStep);
    m_typingStep = 0;
}

void SearchPanelController::hide()
{
    // 1.
    cancelTyping();
    // 2.
    if (m_window)
        m_window->hide();
    if (m_services.keystrokes)
        m_services.keystrokes->release();
    // 3.–4. The state is cleared 10 s from now unless the panel shows again first.
    m_services.scheduler.cancel(m_pendingReset);
    QPointer<SearchPanelController> self(this);
    m_pendingReset = m_services.scheduler.schedule(resetDelay, [self] {
        if (!self)
            return;
        self->m_state.reset();
        self->m_pendingReset = 0;
    });
}

void SearchPanelController::toggle()
{
    if (isVisible())
        hide();
    else
        show();
}

void SearchPanelController::onInsert(const QString& text)
{
    if (!m_services.consumeInsertion || !m_services.consumeInsertion(text))
        m_services.insert(text, m_previousApp);
    hide();
}

bool SearchPanelController::handleKey(const PanelKeyEvent& event)
{
    const Qt::KeyboardModifiers m = event.modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier
                                                       | Qt::MetaModifier | Qt::KeypadModifier);
    const bool press = event.type == PanelKeyEvent::Type::Press;

    // Ctrl+C: copy the selection, never into the field.
    if (press && event.key == PanelKey::C && m == Qt::ControlModifier) {
        log(QStringLiteral("Ctrl+C перехоплено — копіюю вибраний результат"));
        m_state.copySelectedToClipboard();
        return true;
    }

    // "=": a short press types it on release, a long one switches verse numbers.
    if (event.key == PanelKey::Equal && !m) {
        // Auto-repeat (on X11 also its synthetic releases) changes nothing.
        if (event.isAutoRepeat)
            return true;
        // A second press without a release is the key repeating too.
        if (press && m_equalsDown)
            return true;
        if (press) {
            m_equalsDown = true;
            m_longPressFired = false;
            m_services.scheduler.cancel(m_longPress);
            QPointer<SearchPanelController> self(this);
            m_longPress = m_services.scheduler.schedule(longPressThreshold, [self] {
                if (!self)
                    return;
                self->m_longPress = 0;
                self->m_longPressFired = true;
                self->m_services.preferences.setIncludeVerseNumbers(!self->m_services.preferences.includeVerseNumbers());
                self->log(QStringLiteral("Довге утримання '=' — перемкнув формат номерів віршів"));
            });
            return true;
        }
        // A release without its press (the press went to another window) is not a tap.
        if (!m_equalsDown)
            return true;
        m_equalsDown = false;
        m_services.scheduler.cancel(m_longPress);
        m_longPress = 0;
        if (m_longPressFired)
            m_longPressFired = false;
        else
            m_state.appendToQuery(QStringLiteral("="));
        return true;
    }

    if (!press)
        return false;
    const bool inChapter = m_state.hasContext();
    const Qt::KeyboardModifiers commandClass = m & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const bool shift = m & Qt::ShiftModifier;
    switch (event.key) {
    case PanelKey::Down:
    case PanelKey::Up: {
        if (commandClass)
            return false;
        const int delta = event.key == PanelKey::Down ? 1 : -1;
        if (inChapter) {
            m_state.moveContext(delta, shift);
            return true;
        }
        if (shift) {
            m_state.moveSelection(delta, true);
            return true;
        }
        return false;  // plain ↑↓ belong to the view
    }
    case PanelKey::Left:
        if (inChapter && !commandClass && !shift) {
            m_state.exitContext();
            return true;
        }
        return false;
    case PanelKey::Right:
        if (!inChapter && !commandClass && !shift && m_window && m_window->isCaretAtEndOfQuery())
            return m_state.enterContext();
        return false;
    default:
        return false;
    }
}
