#include "PanelViewModel.h"

#include "BibleReferenceParser.h"
#include "SearchHighlighter.h"
#include "SearchPanelController.h"

#include <QCursor>
#include <QWindow>

#include <algorithm>

PanelViewModel::PanelViewModel(SearchPanelController& controller, QObject* parent)
    : QObject(parent), m_controller(controller), m_state(controller.state())
{
    connect(&m_state, &SearchPanelState::queryChanged, this, &PanelViewModel::queryIsExactChanged);
}

bool PanelViewModel::queryIsExact() const
{
    return BibleReferenceParser::parse(m_state.query()).is<ParsedQuery::ExactTextSearch>();
}

QString PanelViewModel::highlighted(const QString& text, bool includeOtherWordForms, const QString& color) const
{
    // Marks per UTF-16 unit, so overlapping or repeated ranges simply merge.
    std::vector<bool> bold(static_cast<size_t>(text.size()), false);
    for (const SearchHighlighter::Range& range : SearchHighlighter::ranges(m_state.query(), text, includeOtherWordForms)) {
        if (range.start < 0 || range.end > text.size() || range.end < range.start)
            continue;  // does not map onto the text
        std::fill(bold.begin() + range.start, bold.begin() + range.end, true);
    }
    QString styled;
    bool inBold = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (bold[static_cast<size_t>(i)] != inBold) {
            inBold = !inBold;
            styled += inBold ? QStringLiteral("<b><font color=\"%1\">").arg(color) : QStringLiteral("</font></b>");
        }
        styled += text.mid(i, 1).toHtmlEscaped();
    }
    if (inBold)
        styled += QStringLiteral("</font></b>");
    return styled;
}

void PanelViewModel::activateSelection()
{
    if (const std::optional<QString> text = m_state.activateSelection())
        m_controller.onInsert(*text);
}

void PanelViewModel::beginDrag()
{
    if (!m_window)
        return;
    m_dragStartOrigin = m_window->position();
    m_dragStartMouse = QCursor::pos();
}

void PanelViewModel::dragTo()
{
    if (!m_window || !m_dragStartOrigin)
        return;
    m_window->setPosition(*m_dragStartOrigin + (QCursor::pos() - *m_dragStartMouse));
    if (m_controller.window() && m_controller.window()->onUserMoved)
        m_controller.window()->onUserMoved();
}

void PanelViewModel::endDrag()
{
    m_dragStartOrigin.reset();
    m_dragStartMouse.reset();
}
