#include "platform/forms/grid/GridInplaceEditor.h"

#include "platform/forms/Keys.h"

namespace ger {

void GridInplaceEditor::Load(const QString& text) {
    m_text = text;
    SelectAll();
}

void GridInplaceEditor::SelectAll() {
    m_selStart = 0;
    m_selLength = static_cast<int>(m_text.size());
}

void GridInplaceEditor::Deselect() {
    m_selStart = static_cast<int>(m_text.size());
    m_selLength = 0;
}

void GridInplaceEditor::replaceSelection(const QString& with) {
    m_text.replace(m_selStart, m_selLength, with);
    m_selStart += static_cast<int>(with.size());
    m_selLength = 0;
}

void GridInplaceEditor::TypeChar(QChar c) {
    replaceSelection(QString(c));
}

void GridInplaceEditor::DeleteBackward() {
    if (m_selLength == 0 && m_selStart > 0) {
        --m_selStart;
        m_selLength = 1;
    }
    replaceSelection(QString());
}

void GridInplaceEditor::DeleteForward() {
    if (m_selLength == 0 && m_selStart < m_text.size())
        m_selLength = 1;
    replaceSelection(QString());
}

bool GridInplaceEditor::MoveCaret(int key) {
    const int length = static_cast<int>(m_text.size());
    int caret = m_selStart + m_selLength;
    switch (key) {
    case VK_LEFT:
        caret = m_selLength > 0 ? m_selStart : std::max(0, m_selStart - 1);
        break;
    case VK_RIGHT:
        caret = m_selLength > 0 ? caret : std::min(length, caret + 1);
        break;
    case VK_HOME:
        caret = 0;
        break;
    case VK_END:
        caret = length;
        break;
    default:
        return false;
    }
    m_selStart = caret;
    m_selLength = 0;
    return true;
}

bool GridInplaceEditor::LeftSide() const {
    return m_selStart == 0 && (m_selLength == 0 || m_selLength == m_text.size());
}

bool GridInplaceEditor::RightSide() const {
    return (m_selStart == 0 || m_selLength == 0) && m_selStart + m_selLength == m_text.size();
}

} // namespace ger
