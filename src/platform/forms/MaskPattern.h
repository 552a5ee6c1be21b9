#pragma once
// MaskPattern: an edit mask of the platform, parsed. A mask has up to three sections separated
// by ';': the mask itself, whether the text keeps its literals ("0": no; anything else, or no
// section: yes) and the character shown in empty positions (default '_').
//
// In the mask:
//   0  a digit, required           9  a digit, optional         #  a digit or + -, optional
//   L  a letter, required          l  a letter, optional
//   A  a letter or digit, required a  a letter or digit, optional
//   C  any character, required     c  any character, optional
//   >  following letters upper case   <  lower case   <>  as typed
//   \  the next character is a literal   !  right-align a short value when formatting
//   :  /  time and date separators (literals)   _  a literal blank
//   anything else: a literal, shown and skipped by the caret.
// Optional positions also take a typed blank. Examples:
//   ">aaaa;0; "          up to four letters or digits, upper case, blank shown as ' ';
//                        Text holds the four positions, unfilled ones as spaces ("1   ")
//   "000.000.000-00;0;_" a CPF: FormatMaskText gives "123.456.789-01" for "12345678901"
//   "AA.AAA.AAA/AAAA-00;0;_"  the alphanumeric CNPJ: "12ABC34501DE35" -> "12.ABC.345/01DE-35"

#include <QChar>
#include <QString>
#include <vector>

namespace ger {

class MaskPattern {
public:
    enum class Kind { Literal, Letter, LetterOrDigit, AnyChar, Digit, DigitOrSign };
    enum class Case { AsTyped, Upper, Lower };
    struct Slot {
        Kind kind = Kind::Literal;
        bool required = false;
        QChar literal;
        Case casing = Case::AsTyped;
    };

    MaskPattern() = default;
    explicit MaskPattern(const QString& editMask);

    bool isEmpty() const { return m_slots.empty(); }
    int length() const { return static_cast<int>(m_slots.size()); }
    const Slot& slot(int index) const { return m_slots.at(static_cast<size_t>(index)); }
    bool isLiteral(int index) const { return slot(index).kind == Kind::Literal; }
    bool savesLiterals() const { return m_savesLiterals; }
    QChar blank() const { return m_blank; }

    // The character a typed one becomes at `index` (case applied), or a null QChar when the
    // position refuses it. A blank typed into an optional position gives ' '.
    QChar accept(int index, QChar typed) const;
    // The first input position at or after `from`, or -1.
    int nextInput(int from) const;
    // The last input position at or before `from`, or -1.
    int previousInput(int from) const;

    // The shown text of a value without literals: literals inserted, empty positions `blank`.
    QString format(const QString& value, QChar blank) const;
    // The shown text of a value that may already carry the literals.
    QString formatWithLiterals(const QString& value, QChar blank) const;
    // The input positions of a shown text, blanks as spaces.
    QString strip(const QString& shown) const;
    // The first required position left blank in a shown text, or -1.
    int firstMissing(const QString& shown) const;

private:
    std::vector<Slot> m_slots;
    bool m_savesLiterals = true;
    bool m_reversed = false;
    QChar m_blank = QLatin1Char('_');
};

// The platform's FormatMaskText: `value` shown through `editMask`, blanks as spaces. Without
// saved literals the value holds only the input characters; with them it may hold literals.
QString FormatMaskText(const QString& editMask, const QString& value);

} // namespace ger
