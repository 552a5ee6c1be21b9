#include "platform/forms/TWinControl.h"

#include "platform/forms/FormsExceptions.h"
#include "platform/forms/PropertyReading.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TScreen.h"

#include <QScopedValueRollback>
#include <algorithm>

namespace ger {
namespace {

quint64 nextSequence() {
    static quint64 sequence = 0;
    return ++sequence;
}

const PropertyTable<TWinControl>& winControlProperties() {
    using P = const FormDataProperty&;
    using C = FormDataContext&;
    static const PropertyTable<TWinControl> table{
        {"taborder", [](TWinControl& w, P p, C) { w.SetTabOrder(ReadInt(p)); }},
        {"tabstop", [](TWinControl& w, P p, C) { w.SetTabStop(ReadBool(p)); }},
        {"borderwidth", [](TWinControl& w, P p, C) { w.SetBorderWidth(ReadInt(p)); }},
        {"onenter", [](TWinControl& w, P p, C x) { w.OnEnter = ReadEvent<TNotifyEvent>(p, x); }},
        {"onexit", [](TWinControl& w, P p, C x) { w.OnExit = ReadEvent<TNotifyEvent>(p, x); }},
        {"onkeydown", [](TWinControl& w, P p, C x) { w.OnKeyDown = ReadEvent<TKeyEvent>(p, x); }},
        {"onkeyup", [](TWinControl& w, P p, C x) { w.OnKeyUp = ReadEvent<TKeyEvent>(p, x); }},
        {"onkeypress",
         [](TWinControl& w, P p, C x) { w.OnKeyPress = ReadEvent<TKeyPressEvent>(p, x); }},
    };
    return table;
}

// Ordering of equally aligned controls: by position along the alignment, then by z-order.
bool alignsBefore(TAlign align, const TControl* a, const TControl* b) {
    switch (align) {
    case alTop:
        return a->Top() < b->Top();
    case alBottom:
        return a->Top() + a->Height() > b->Top() + b->Height();
    case alLeft:
        return a->Left() < b->Left();
    case alRight:
        return a->Left() + a->Width() > b->Left() + b->Width();
    default:
        return false;
    }
}

// What an aligned child needs in the directions its alignment stretches it: nothing for a
// control that holds nothing, the nested minimum for a container.
QSize stretchedMinimum(const TControl& control) {
    const auto* win = qobject_cast<const TWinControl*>(&control);
    if (!win || win->ControlCount() == 0)
        return {0, 0};
    return win->MinimumExtent();
}

} // namespace

TWinControl::TWinControl(TComponent* AOwner)
    : TControl(AOwner)
    , m_sequence(nextSequence()) {}

TWinControl::~TWinControl() {
    NotifyDestroying();
    if (TCustomForm* form = ParentForm())
        form->ControlRemoving(this);
    const std::vector<TControl*> children = std::move(m_controls);
    m_controls.clear();
    for (TControl* child : children) {
        child->m_parent = nullptr;
        emit child->parentChanged();
    }
}

bool TWinControl::ContainsControl(const TControl* control) const {
    for (const TControl* c = control; c; c = c->Parent())
        if (c == this)
            return true;
    return false;
}

void TWinControl::insertControl(TControl* control) {
    m_controls.push_back(control);
    if (auto* win = dynamic_cast<TWinControl*>(control); win && !win->IsLoadingState()) {
        int last = -1;
        for (TWinControl* sibling : TabList())
            if (sibling != win)
                last = std::max(last, sibling->m_tabOrder);
        win->m_tabOrder = last + 1;
    }
    emit controlsChanged();
    if (control->Align() != alNone)
        AlignControls(control);
}

void TWinControl::removeControl(TControl* control) {
    if (auto* win = dynamic_cast<TWinControl*>(control))
        if (TCustomForm* form = ParentForm())
            form->ControlRemoving(win);
    std::erase(m_controls, control);
    emit controlsChanged();
    if (control->Align() != alNone)
        Realign();
}

std::vector<TWinControl*> TWinControl::TabList() const {
    std::vector<TWinControl*> list;
    for (TControl* c : m_controls)
        if (auto* win = dynamic_cast<TWinControl*>(c))
            list.push_back(win);
    std::stable_sort(list.begin(), list.end(), [](const TWinControl* a, const TWinControl* b) {
        return a->m_tabOrder != b->m_tabOrder ? a->m_tabOrder < b->m_tabOrder
                                              : a->m_sequence < b->m_sequence;
    });
    return list;
}

int TWinControl::TabOrder() const {
    if (!Parent())
        return m_tabOrder;
    const auto list = Parent()->TabList();
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int value) {
    if (!Parent() || IsLoadingState()) {
        m_tabOrder = value;
        return;
    }
    Parent()->renumberTabOrder(this, value);
}

void TWinControl::renumberTabOrder(TWinControl* moved, int position) {
    auto list = TabList();
    std::erase(list, moved);
    position = std::clamp(position, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + position, moved);
    for (size_t i = 0; i < list.size(); ++i)
        list[i]->m_tabOrder = static_cast<int>(i);
}

void TWinControl::SetTabStop(bool value) {
    if (value == m_tabStop)
        return;
    m_tabStop = value;
    emit changed();
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
    for (TWinControl* child : TabList()) {
        list.push_back(child);
        child->GetTabOrderList(list);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                          bool checkParent) const {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty())
        return nullptr;
    const int count = static_cast<int>(list.size());
    int start = static_cast<int>(std::find(list.begin(), list.end(), current) - list.begin());
    if (start == count)
        start = goForward ? count - 1 : 0;
    int i = start;
    do {
        i = goForward ? (i + 1) % count : (i + count - 1) % count;
        TWinControl* candidate = list[static_cast<size_t>(i)];
        if (candidate->CanFocus() && (!checkTabStop || candidate->TabStop()) &&
            (!checkParent || candidate->Parent() == this))
            return candidate;
    } while (i != start);
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop) {
    if (TWinControl* next = FindNextControl(current, goForward, checkTabStop, !checkTabStop))
        next->SetFocus();
}

void TWinControl::SelectFirst() {
    TWinControl* first = FindNextControl(nullptr, true, true, false);
    if (!first)
        first = FindNextControl(nullptr, true, false, false);
    if (!first)
        return;
    if (TCustomForm* form = ParentForm())
        form->SetActiveControl(first);
}

bool TWinControl::CanFocus() const {
    const TCustomForm* form = ParentForm();
    if (!form)
        return false;
    for (const TControl* c = this; c != form; c = c->Parent())
        if (!c->Visible() || !c->Enabled())
            return false;
    return true;
}

bool TWinControl::Focused() const {
    const TCustomForm* form = ParentForm();
    return form && form->Active() && form->FocusedControl() == this;
}

void TWinControl::SetFocus() {
    TCustomForm* form = ParentForm();
    if (!form)
        throw EInvalidOperation(QStringLiteral("Control '%1' has no parent window").arg(Name()));
    form->FocusControl(this);
}

void TWinControl::DoEnter() {
    if (OnEnter)
        OnEnter(this);
}

void TWinControl::DoExit() {
    if (OnExit)
        OnExit(this);
}

bool TWinControl::WantsKey(Word, TShiftState) const {
    return false;
}

void TWinControl::KeyDown(Word& key, TShiftState shift) {
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
    if (key != 0)
        DefaultKeyDown(key, shift);
}

void TWinControl::KeyPress(QChar& key) {
    if (OnKeyPress)
        OnKeyPress(this, key);
    if (!key.isNull())
        DefaultKeyPress(key);
}

void TWinControl::KeyUp(Word& key, TShiftState shift) {
    if (OnKeyUp)
        OnKeyUp(this, key, shift);
}

void TWinControl::DefaultKeyDown(Word&, TShiftState) {}

void TWinControl::DefaultKeyPress(QChar&) {}

void TWinControl::AlignControls(TControl* moved) {
    if (m_aligning)
        return;
    const QScopedValueRollback aligning(m_aligning, true);
    QRect area = AlignRect();
    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
        std::vector<TControl*> aligned;
        if (moved && moved->Align() == align && moved->Visible())
            aligned.push_back(moved);
        for (TControl* c : m_controls) {
            if (c == moved || c->Align() != align || !c->Visible())
                continue;
            auto at = std::find_if(aligned.begin(), aligned.end(), [&](const TControl* other) {
                return alignsBefore(align, c, other);
            });
            aligned.insert(at, c);
        }
        for (TControl* c : aligned) {
            const int w = c->Width();
            const int h = c->Height();
            switch (align) {
            case alTop:
                c->SetBounds(area.x(), area.y(), area.width(), h);
                area.setTop(area.top() + h);
                break;
            case alBottom:
                c->SetBounds(area.x(), area.bottom() + 1 - h, area.width(), h);
                area.setBottom(area.bottom() - h);
                break;
            case alLeft:
                c->SetBounds(area.x(), area.y(), w, area.height());
                area.setLeft(area.left() + w);
                break;
            case alRight:
                c->SetBounds(area.right() + 1 - w, area.y(), w, area.height());
                area.setRight(area.right() - w);
                break;
            default:
                c->SetBounds(area.x(), area.y(), area.width(), area.height());
                break;
            }
        }
    }
}

QSize TWinControl::MinimumExtent() const {
    QSize unaligned(0, 0);
    int stackedHeight = 0; // alTop and alBottom children, one above the other
    int stackedWidth = 0;  // the widest of them
    int sideWidth = 0;     // alLeft and alRight children, side by side
    int sideHeight = 0;
    QSize client(0, 0);
    for (const TControl* c : m_controls) {
        if (!c->Visible())
            continue;
        const QSize inner = stretchedMinimum(*c);
        switch (c->Align()) {
        case alNone:
            unaligned = unaligned.expandedTo(QSize(c->Left() + c->Width(), c->Top() + c->Height()));
            break;
        case alTop:
        case alBottom:
            stackedHeight += c->Height();
            stackedWidth = std::max(stackedWidth, inner.width());
            break;
        case alLeft:
        case alRight:
            sideWidth += c->Width();
            sideHeight = std::max(sideHeight, inner.height());
            break;
        case alClient:
            client = client.expandedTo(inner);
            break;
        }
    }
    const QRect area = AlignRect();
    const QSize aligned(
        std::max(stackedWidth, sideWidth + client.width()) + ClientWidth() - area.width(),
        stackedHeight + std::max(sideHeight, client.height()) + ClientHeight() - area.height());
    return unaligned.expandedTo(aligned) +
           QSize(Width() - ClientWidth(), Height() - ClientHeight());
}

QRect TWinControl::AlignRect() const {
    return QRect(0, 0, ClientWidth(), ClientHeight())
        .adjusted(m_borderWidth, m_borderWidth, -m_borderWidth, -m_borderWidth);
}

int TWinControl::ClientWidth() const {
    return std::max(0, Width() - 2 * NonClientBorder());
}

int TWinControl::ClientHeight() const {
    return std::max(0, Height() - 2 * NonClientBorder());
}

void TWinControl::SetBorderWidth(int value) {
    if (value == m_borderWidth)
        return;
    m_borderWidth = value;
    emit changed();
    Realign();
}

void TWinControl::SetVisible(bool value) {
    TControl::SetVisible(value);
    if (!value)
        DefocusSelf();
}

void TWinControl::SetEnabled(bool value) {
    TControl::SetEnabled(value);
    if (!value)
        DefocusSelf();
}

void TWinControl::DefocusSelf() {
    if (TCustomForm* form = ParentForm(); form && form != this)
        form->DefocusControl(this, false);
}

void TWinControl::BoundsUpdated(const QRect& old) {
    if (old.size() != BoundsRect().size())
        Realign();
}

void TWinControl::Loaded() {
    TControl::Loaded();
    Realign();
}

void TWinControl::ReadProperty(const FormDataProperty& property, FormDataContext& context) {
    if (!ReadFromTable(winControlProperties(), *this, property, context))
        TControl::ReadProperty(property, context);
}

} // namespace ger
