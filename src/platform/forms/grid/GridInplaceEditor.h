#pragma once
// GridInplaceEditor: the text, caret and selection of the grid's in-place editor, the one-line
// edit that covers the current cell while it is being edited. It knows nothing of fields: the
// grid loads it with the field's Text and writes its text back.
//
// Loading a text selects all of it, so the first typed character replaces it; Deselect puts
// the caret at the end. LeftSide / RightSide tell whether Left / Right (and Home / End) would
// leave the text, in which case the grid moves to another cell instead:
//   "Sim", all selected    LeftSide and RightSide
//   "Sim", caret at 3      RightSide only
//   "Sim", caret at 1      neither

#include <QChar>
#include <QString>

namespace ger {

class GridInplaceEditor {
public:
    const QString& Text() const { return m_text; }
    // Loads a text with all of it selected.
    void Load(const QString& text);
    int SelStart() const { return m_selStart; }
    int SelLength() const { return m_selLength; }
    void SelectAll();
    void Deselect();

    void TypeChar(QChar c);
    void DeleteBackward();
    void DeleteForward();
    // Caret moves: Left, Right, Home, End (by virtual key code); false for another key.
    bool MoveCaret(int key);

    bool LeftSide() const;
    bool RightSide() const;

private:
    void replaceSelection(const QString& with);

    QString m_text;
    int m_selStart = 0;
    int m_selLength = 0;
};

} // namespace ger
