#pragma once
// TComboBox: a list of Items with the selected ItemIndex (-1: none). With Style csDropDownList
// (a pick-only list) Text is the selected item. As on the platform, setting ItemIndex or Items
// by code fires nothing; the user's choice (UserChoose: picking from the list, the arrow keys,
// a typed first letter) fires OnClick, then OnSelect when assigned, otherwise OnChange, every
// time the user picks, even the item already selected. With csDropDown the text is also
// typed (appended at the end, Backspace removes the last character) and code setting Text
// fires OnChange.
//
// Signals (besides TWinControl's): itemsChanged(), itemIndexChanged().

#include "platform/forms/TWinControl.h"

#include <QStringList>

namespace ger {

class TComboBox : public TWinControl {
    Q_OBJECT
public:
    explicit TComboBox(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TComboBox"); }

    TComboBoxStyle Style() const { return m_style; }
    void SetStyle(TComboBoxStyle value);
    const QStringList& Items() const { return m_items; }
    // Replaces the items; the selection becomes none.
    void SetItems(const QStringList& items);
    void AddItem(const QString& item);
    void ClearItems() { SetItems({}); }
    int ItemIndex() const { return m_itemIndex; }
    void SetItemIndex(int value);
    int DropDownCount() const { return m_dropDownCount; }
    void SetDropDownCount(int value) { m_dropDownCount = value; }
    bool Sorted() const { return m_sorted; }
    void SetSorted(bool value);
    int MaxLength() const { return m_maxLength; }
    void SetMaxLength(int value) { m_maxLength = value; }

    QString Text() const override;
    void SetText(const QString& value) override;

    // The user picks `index` (from the list, or by key): OnClick, then OnSelect or OnChange.
    void UserChoose(int index);

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;

    bool FocusesOnClick() const override { return true; }
    bool WantsKey(Word key, TShiftState shift) const override;
    void UserClick(const QPoint& at) override;

    void ReadProperty(const FormDataProperty& property, FormDataContext& context) override;

signals:
    void itemsChanged();
    void itemIndexChanged();

protected:
    void Change();
    void DefaultKeyDown(Word& key, TShiftState shift) override;
    void DefaultKeyPress(QChar& key) override;
    void Loaded() override;

private:
    void storeItemIndex(int value);
    void typeText(QChar key);

    TComboBoxStyle m_style = csDropDown;
    QStringList m_items;
    int m_itemIndex = -1;
    int m_pendingItemIndex = -1;
    QString m_pendingText;
    int m_dropDownCount = 8;
    bool m_sorted = false;
    int m_maxLength = 0;
};

} // namespace ger
