#include "platform/forms/MaskPattern.h"

#include <algorithm>

namespace ger {
namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

struct Sections {
    QString mask;
    bool savesLiterals = true;
    QChar blank = QLatin1Char('_');
};

// The separators are the first two ';' that no '\' escapes.
Sections splitSections(const QString& editMask) {
    int first = -1;
    int second = -1;
    for (int i = 0; i < editMask.size() && second < 0; ++i) {
        if (editMask[i] == QLatin1Char('\\')) {
            ++i;
        } else if (editMask[i] == QLatin1Char(';')) {
            (first < 0 ? first : second) = i;
        }
    }
    Sections sections;
    sections.mask = first < 0 ? editMask : editMask.left(first);
    if (first >= 0) {
        const int end = second < 0 ? static_cast<int>(editMask.size()) : second;
        sections.savesLiterals = editMask.mid(first + 1, end - first - 1) != QLatin1String("0");
    }
    if (second >= 0 && second + 1 < editMask.size())
        sections.blank = editMask[second + 1];
    return sections;
}

MaskPattern::Slot input(MaskPattern::Kind kind, bool required, MaskPattern::Case casing) {
    return MaskPattern::Slot{kind, required, QChar(), casing};
}

MaskPattern::Slot literal(QChar c) {
    return MaskPattern::Slot{MaskPattern::Kind::Literal, false, c, MaskPattern::Case::AsTyped};
}

} // namespace

MaskPattern::MaskPattern(const QString& editMask) {
    const Sections sections = splitSections(editMask);
    m_savesLiterals = sections.savesLiterals;
    m_blank = sections.blank;
    const QString& mask = sections.mask;
    Case casing = Case::AsTyped;
    for (int i = 0; i < mask.size(); ++i) {
        const QChar c = mask[i];
        switch (c.unicode()) {
        case u'!':
            m_reversed = true;
            break;
        case u'>':
            casing = Case::Upper;
            break;
        case u'<':
            // "<>" turns case conversion off; "<" alone converts to lower case.
            if (i + 1 < mask.size() && mask[i + 1] == QLatin1Char('>')) {
                casing = Case::AsTyped;
                ++i;
            } else {
                casing = Case::Lower;
            }
            break;
        case u'\\':
            m_slots.push_back(literal(i + 1 < mask.size() ? mask[++i] : c));
            break;
        case u'_':
            m_slots.push_back(literal(QLatin1Char(' ')));
            break;
        case u'L':
        case u'l':
            m_slots.push_back(input(Kind::Letter, c == QLatin1Char('L'), casing));
            break;
        case u'A':
        case u'a':
            m_slots.push_back(input(Kind::LetterOrDigit, c == QLatin1Char('A'), casing));
            break;
        case u'C':
        case u'c':
            m_slots.push_back(input(Kind::AnyChar, c == QLatin1Char('C'), casing));
            break;
        case u'0':
        case u'9':
            m_slots.push_back(input(Kind::Digit, c == QLatin1Char('0'), casing));
            break;
        case u'#':
            m_slots.push_back(input(Kind::DigitOrSign, false, casing));
            break;
        default:
            m_slots.push_back(literal(c));
            break;
        }
    }
}

QChar MaskPattern::accept(int index, QChar typed) const {
    if (index < 0 || index >= length())
        return {};
    const Slot& s = slot(index);
    QChar c = typed;
    if (s.casing == Case::Upper)
        c = c.toUpper();
    else if (s.casing == Case::Lower)
        c = c.toLower();
    bool ok = false;
    switch (s.kind) {
    case Kind::Literal:
        return {};
    case Kind::Letter:
        ok = c.isLetter();
        break;
    case Kind::LetterOrDigit:
        ok = c.isLetter() || isDigit(c);
        break;
    case Kind::AnyChar:
        ok = c.unicode() >= u' ';
        break;
    case Kind::Digit:
        ok = isDigit(c);
        break;
    case Kind::DigitOrSign:
        ok = isDigit(c) || c == QLatin1Char('+') || c == QLatin1Char('-');
        break;
    }
    if (!ok && c == QLatin1Char(' ') && !s.required)
        ok = true;
    return ok ? c : QChar();
}

int MaskPattern::nextInput(int from) const {
    for (int i = std::max(0, from); i < length(); ++i)
        if (!isLiteral(i))
            return i;
    return -1;
}

int MaskPattern::previousInput(int from) const {
    for (int i = std::min(from, length() - 1); i >= 0; --i)
        if (!isLiteral(i))
            return i;
    return -1;
}

QString MaskPattern::format(const QString& value, QChar blank) const {
    if (isEmpty())
        return value;
    QString shown(length(), blank);
    if (m_reversed) {
        int v = static_cast<int>(value.size()) - 1;
        for (int i = length() - 1; i >= 0; --i)
            shown[i] = isLiteral(i) ? slot(i).literal : (v >= 0 ? value[v--] : blank);
        return shown;
    }
    int v = 0;
    for (int i = 0; i < length(); ++i)
        shown[i] = isLiteral(i) ? slot(i).literal : (v < value.size() ? value[v++] : blank);
    return shown;
}

QString MaskPattern::formatWithLiterals(const QString& value, QChar blank) const {
    if (isEmpty())
        return value;
    QString shown(length(), blank);
    if (m_reversed) {
        int v = static_cast<int>(value.size()) - 1;
        for (int i = length() - 1; i >= 0; --i) {
            if (isLiteral(i)) {
                if (v >= 0 && value[v] == slot(i).literal)
                    --v;
                shown[i] = slot(i).literal;
            } else {
                shown[i] = v >= 0 ? value[v--] : blank;
            }
        }
        return shown;
    }
    int v = 0;
    for (int i = 0; i < length(); ++i) {
        if (isLiteral(i)) {
            if (v < value.size() && value[v] == slot(i).literal)
                ++v;
            shown[i] = slot(i).literal;
        } else {
            shown[i] = v < value.size() ? value[v++] : blank;
        }
    }
    return shown;
}

QString MaskPattern::strip(const QString& shown) const {
    if (isEmpty())
        return shown;
    QString value;
    for (int i = 0; i < length() && i < shown.size(); ++i)
        if (!isLiteral(i))
            value += shown[i] == m_blank ? QChar(QLatin1Char(' ')) : shown[i];
    return value;
}

int MaskPattern::firstMissing(const QString& shown) const {
    for (int i = 0; i < length(); ++i) {
        if (isLiteral(i) || !slot(i).required)
            continue;
        if (i >= shown.size() || shown[i] == m_blank || shown[i] == QLatin1Char(' '))
            return i;
    }
    return -1;
}

QString FormatMaskText(const QString& editMask, const QString& value) {
    const MaskPattern pattern(editMask);
    return pattern.savesLiterals() ? pattern.formatWithLiterals(value, QLatin1Char(' '))
                                   : pattern.format(value, QLatin1Char(' '));
}

} // namespace ger
