#include "platform/forms/TComboBox.h"

#include "platform/core/ComponentRegistry.h"
#include "platform/forms/PropertyReading.h"

#include <algorithm>

namespace ger {
namespace {

const PropertyTable<TComboBox>& comboProperties() {
    using B = TComboBox&;
    using P = const FormDataProperty&;
    using C = FormDataContext&;
    static const PropertyTable<TComboBox> table{
        {"style",
         [](B b, P p, C) {
             b.SetStyle(
                 ReadEnum<TComboBoxStyle>(p, {{"csDropDown", csDropDown},
                                              {"csSimple", csSimple},
                                              {"csDropDownList", csDropDownList},
                                              {"csOwnerDrawFixed", csOwnerDrawFixed},
                                              {"csOwnerDrawVariable", csOwnerDrawVariable}}));
         }},
        {"items.strings", [](B b, P p, C) { b.SetItems(p.value.asList(p.name)); }},
        {"itemindex", [](B b, P p, C) { b.SetItemIndex(ReadInt(p)); }},
        {"text", [](B b, P p, C) { b.SetText(ReadString(p)); }},
        {"dropdowncount", [](B b, P p, C) { b.SetDropDownCount(ReadInt(p)); }},
        {"sorted", [](B b, P p, C) { b.SetSorted(ReadBool(p)); }},
        {"maxlength", [](B b, P p, C) { b.SetMaxLength(ReadInt(p)); }},
        {"onchange", [](B b, P p, C x) { b.OnChange = ReadEvent<TNotifyEvent>(p, x); }},
        {"onselect", [](B b, P p, C x) { b.OnSelect = ReadEvent<TNotifyEvent>(p, x); }},
        // The height of the drop-down rows: the renderer's.
        {"itemheight", [](B, P p, C) { ReadInt(p); }},
    };
    return table;
}

} // namespace

TComboBox::TComboBox(TComponent* AOwner)
    : TWinControl(AOwner) {
    SetBounds(0, 0, 145, 21);
    SetColor(clWindow);
    SetTabStop(true);
}

void TComboBox::SetStyle(TComboBoxStyle value) {
    if (value == m_style)
        return;
    m_style = value;
    emit changed();
}

void TComboBox::SetItems(const QStringList& items) {
    m_items = items;
    if (m_sorted)
        m_items.sort(Qt::CaseInsensitive);
    emit itemsChanged();
    emit changed();
    storeItemIndex(-1);
    if (IsLoadingState()) {
        if (m_pendingItemIndex >= 0)
            storeItemIndex(m_pendingItemIndex < m_items.size() ? m_pendingItemIndex : -1);
        else if (!m_pendingText.isEmpty())
            storeItemIndex(static_cast<int>(m_items.indexOf(m_pendingText)));
    }
}

void TComboBox::AddItem(const QString& item) {
    m_items.append(item);
    if (m_sorted) {
        const QString selected = m_itemIndex >= 0 ? m_items.at(m_itemIndex) : QString();
        m_items.sort(Qt::CaseInsensitive);
        if (m_itemIndex >= 0)
            m_itemIndex = static_cast<int>(m_items.indexOf(selected));
    }
    emit itemsChanged();
    emit changed();
}

void TComboBox::SetSorted(bool value) {
    m_sorted = value;
    if (value)
        SetItems(m_items);
}

void TComboBox::SetItemIndex(int value) {
    if (IsLoadingState())
        m_pendingItemIndex = value;
    storeItemIndex(value >= 0 && value < m_items.size() ? value : -1);
}

void TComboBox::storeItemIndex(int value) {
    const QString oldText = Text();
    if (value != m_itemIndex) {
        m_itemIndex = value;
        emit itemIndexChanged();
    }
    if (m_itemIndex >= 0)
        StoreText(m_items.at(m_itemIndex));
    else if (m_style == csDropDownList)
        StoreText(QString());
    if (Text() != oldText) {
        emit textChanged();
        emit changed();
    }
}

QString TComboBox::Text() const {
    if (m_style == csDropDownList)
        return m_itemIndex >= 0 ? m_items.at(m_itemIndex) : QString();
    return TWinControl::Text();
}

void TComboBox::SetText(const QString& value) {
    if (IsLoadingState())
        m_pendingText = value;
    if (m_style == csDropDownList) {
        storeItemIndex(static_cast<int>(m_items.indexOf(value)));
        return;
    }
    const bool differs = value != TWinControl::Text();
    StoreText(value);
    const int index = static_cast<int>(m_items.indexOf(value));
    if (index != m_itemIndex) {
        m_itemIndex = index;
        emit itemIndexChanged();
    }
    if (differs) {
        emit textChanged();
        emit changed();
        Change();
    }
}

void TComboBox::Change() {
    if (OnChange && !IsLoadingState())
        OnChange(this);
}

void TComboBox::UserChoose(int index) {
    if (index < 0 || index >= m_items.size())
        return;
    storeItemIndex(index);
    Click();
    if (OnSelect)
        OnSelect(this);
    else
        Change();
}

bool TComboBox::WantsKey(Word key, TShiftState) const {
    return key == VK_UP || key == VK_DOWN || key == VK_LEFT || key == VK_RIGHT;
}

void TComboBox::UserClick(const QPoint&) {}

void TComboBox::DefaultKeyDown(Word& key, TShiftState) {
    const int last = static_cast<int>(m_items.size()) - 1;
    int target = m_itemIndex;
    switch (key) {
    case VK_UP:
    case VK_LEFT:
        target = std::max(0, m_itemIndex - 1);
        break;
    case VK_DOWN:
    case VK_RIGHT:
        target = std::min(last, m_itemIndex + 1);
        break;
    case VK_PRIOR:
        target = std::max(0, m_itemIndex - m_dropDownCount);
        break;
    case VK_NEXT:
        target = std::min(last, m_itemIndex + m_dropDownCount);
        break;
    case VK_HOME:
        target = last >= 0 ? 0 : -1;
        break;
    case VK_END:
        target = last;
        break;
    default:
        return;
    }
    if (target >= 0 && target != m_itemIndex)
        UserChoose(target);
}

void TComboBox::DefaultKeyPress(QChar& key) {
    if (m_style != csDropDownList) {
        typeText(key);
        return;
    }
    if (key.unicode() < u' ')
        return;
    const int count = static_cast<int>(m_items.size());
    for (int step = 1; step <= count; ++step) {
        const int i = (std::max(m_itemIndex, -1) + step) % count;
        if (m_items.at(i).startsWith(key, Qt::CaseInsensitive)) {
            UserChoose(i);
            return;
        }
    }
}

void TComboBox::typeText(QChar key) {
    QString text = TWinControl::Text();
    if (key == QChar(u'\b'))
        text.chop(1);
    else if (key.unicode() >= u' ' && (m_maxLength == 0 || text.size() < m_maxLength))
        text += key;
    else
        return;
    SetText(text);
}

void TComboBox::Loaded() {
    TWinControl::Loaded();
    if (m_pendingItemIndex >= 0 && m_itemIndex < 0)
        storeItemIndex(m_pendingItemIndex < m_items.size() ? m_pendingItemIndex : -1);
    m_pendingItemIndex = -1;
    m_pendingText.clear();
}

void TComboBox::ReadProperty(const FormDataProperty& property, FormDataContext& context) {
    if (!ReadFromTable(comboProperties(), *this, property, context))
        TWinControl::ReadProperty(property, context);
}

GER_REGISTER_COMPONENT(TComboBox)

} // namespace ger
