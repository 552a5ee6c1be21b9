#include "platform/forms/TControl.h"

#include "platform/core/ComponentRegistry.h"
#include "platform/forms/FormsExceptions.h"
#include "platform/forms/PropertyReading.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TWinControl.h"

#include <QSet>

namespace ger {
namespace {

// Properties of the platform's designer and of its window system that change nothing in this
// model; form data may carry them.
bool isDesignerOnly(const QString& name) {
    static const QSet<QString> names{"ctl3d",
                                     "parentctl3d",
                                     "parentshowhint",
                                     "parentbidimode",
                                     "bidimode",
                                     "dragcursor",
                                     "dragkind",
                                     "dragmode",
                                     "helptype",
                                     "helpkeyword",
                                     "imemode",
                                     "imename",
                                     "oldcreateorder",
                                     "pixelsperinch",
                                     "textheight",
                                     "scaled",
                                     "designsize",
                                     "explicitleft",
                                     "explicittop",
                                     "explicitwidth",
                                     "explicitheight",
                                     "doublebuffered",
                                     "parentdoublebuffered",
                                     "autoscroll",
                                     "parentbackground",
                                     "usedockmanager",
                                     "docksite"};
    const QString lower = name.toLower();
    return names.contains(lower) || lower.startsWith(QLatin1String("constraints."));
}

TCursor readCursor(const FormDataProperty& p) {
    if (p.value.kind == FormDataValue::Kind::Integer)
        return ReadInt(p);
    return ReadEnum<TCursor>(
        p,
        {{"crDefault", crDefault},     {"crNone", crNone},           {"crArrow", crArrow},
         {"crCross", crCross},         {"crIBeam", crIBeam},         {"crSizeNESW", crSizeNESW},
         {"crSizeNS", crSizeNS},       {"crSizeNWSE", crSizeNWSE},   {"crSizeWE", crSizeWE},
         {"crUpArrow", crUpArrow},     {"crHourGlass", crHourGlass}, {"crDrag", crDrag},
         {"crNoDrop", crNoDrop},       {"crHSplit", crHSplit},       {"crVSplit", crVSplit},
         {"crMultiDrag", crMultiDrag}, {"crSQLWait", crSQLWait},     {"crNo", crNo},
         {"crAppStart", crAppStart},   {"crHelp", crHelp},           {"crHandPoint", crHandPoint},
         {"crSizeAll", crSizeAll}});
}

const PropertyTable<TControl>& controlProperties() {
    using P = const FormDataProperty&;
    using C = FormDataContext&;
    static const PropertyTable<TControl> table{
        {"left", [](TControl& c, P p, C) { c.SetLeft(ReadInt(p)); }},
        {"top", [](TControl& c, P p, C) { c.SetTop(ReadInt(p)); }},
        {"width", [](TControl& c, P p, C) { c.SetWidth(ReadInt(p)); }},
        {"height", [](TControl& c, P p, C) { c.SetHeight(ReadInt(p)); }},
        {"clientwidth", [](TControl& c, P p, C) { c.SetClientWidth(ReadInt(p)); }},
        {"clientheight", [](TControl& c, P p, C) { c.SetClientHeight(ReadInt(p)); }},
        {"align",
         [](TControl& c, P p, C) {
             c.SetAlign(ReadEnum<TAlign>(p, {{"alNone", alNone},
                                             {"alTop", alTop},
                                             {"alBottom", alBottom},
                                             {"alLeft", alLeft},
                                             {"alRight", alRight},
                                             {"alClient", alClient}}));
         }},
        {"enabled", [](TControl& c, P p, C) { c.SetEnabled(ReadBool(p)); }},
        {"visible", [](TControl& c, P p, C) { c.SetVisible(ReadBool(p)); }},
        {"color", [](TControl& c, P p, C) { c.SetColor(ReadColor(p)); }},
        {"parentcolor", [](TControl& c, P p, C) { c.SetParentColor(ReadBool(p)); }},
        {"parentfont", [](TControl& c, P p, C) { c.SetParentFont(ReadBool(p)); }},
        {"hint", [](TControl& c, P p, C) { c.SetHint(ReadString(p)); }},
        {"showhint", [](TControl& c, P p, C) { c.SetShowHint(ReadBool(p)); }},
        {"caption", [](TControl& c, P p, C) { c.SetCaption(ReadString(p)); }},
        {"cursor", [](TControl& c, P p, C) { c.SetCursor(readCursor(p)); }},
        {"onclick", [](TControl& c, P p, C x) { c.OnClick = ReadEvent<TNotifyEvent>(p, x); }},
        {"ondblclick", [](TControl& c, P p, C x) { c.OnDblClick = ReadEvent<TNotifyEvent>(p, x); }},
        {"onmousemove",
         [](TControl& c, P p, C x) { c.OnMouseMove = ReadEvent<TMouseMoveEvent>(p, x); }},
    };
    return table;
}

} // namespace

TControl::TControl(TComponent* AOwner)
    : TComponent(AOwner) {}

TControl::~TControl() {
    NotifyDestroying();
    if (m_parent)
        m_parent->removeControl(this);
}

void TControl::NotifyDestroying() {
    if (m_destroyingNotified)
        return;
    m_destroyingNotified = true;
    emit destroying();
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == m_parent)
        return;
    for (const TControl* p = parent; p; p = p->m_parent)
        if (p == this)
            throw EInvalidOperation(
                QStringLiteral("%1: a control cannot be its own parent or a child's").arg(Name()));
    if (m_parent)
        m_parent->removeControl(this);
    m_parent = parent;
    if (m_parent)
        m_parent->insertControl(this);
    emit parentChanged();
    emit changed();
}

TCustomForm* TControl::ParentForm() const {
    const TControl* top = this;
    while (top->m_parent)
        top = top->m_parent;
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(top));
}

void TControl::SetParentComponent(TComponent* parent) {
    auto* container = dynamic_cast<TWinControl*>(parent);
    if (!container)
        throw EFormDataError(QStringLiteral("%1 (%2) cannot be placed inside %3")
                                 .arg(Name(), ClassName(), parent ? parent->Name() : QString()));
    SetParent(container);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    const QRect bounds(left, top, qMax(0, width), qMax(0, height));
    if (bounds == m_bounds)
        return;
    const QRect old = m_bounds;
    m_bounds = bounds;
    emit boundsChanged();
    emit changed();
    if (m_parent && m_align != alNone)
        m_parent->AlignControls(this);
    BoundsUpdated(old);
}

void TControl::BoundsUpdated(const QRect&) {}

void TControl::SetAlign(TAlign value) {
    if (value == m_align)
        return;
    m_align = value;
    emit changed();
    if (m_parent)
        m_parent->AlignControls(this);
}

void TControl::SetVisible(bool value) {
    if (value == m_visible)
        return;
    m_visible = value;
    emit visibleChanged();
    emit changed();
    if (m_parent && m_align != alNone)
        m_parent->AlignControls(this);
}

bool TControl::Showing() const {
    return m_visible && m_parent && m_parent->Showing();
}

void TControl::SetEnabled(bool value) {
    if (value == m_enabled)
        return;
    m_enabled = value;
    emit enabledChanged();
    emit changed();
}

bool TControl::IsEffectivelyEnabled() const {
    for (const TControl* c = this; c; c = c->m_parent)
        if (!c->m_enabled)
            return false;
    return true;
}

TColor TControl::Color() const {
    return m_parentColor && m_parent ? m_parent->Color() : m_color;
}

void TControl::SetColor(TColor value) {
    if (value == m_color && !m_parentColor)
        return;
    m_color = value;
    m_parentColor = false;
    emit changed();
}

void TControl::SetParentColor(bool value) {
    if (value == m_parentColor)
        return;
    m_parentColor = value;
    emit changed();
}

const TFont& TControl::Font() const {
    return m_parentFont && m_parent ? m_parent->Font() : m_font;
}

void TControl::SetFont(const TFont& font) {
    if (font == m_font && !m_parentFont)
        return;
    m_font = font;
    m_parentFont = false;
    emit changed();
}

void TControl::SetParentFont(bool value) {
    if (value == m_parentFont)
        return;
    if (!value)
        m_font = Font();
    m_parentFont = value;
    emit changed();
}

void TControl::SetHint(const QString& value) {
    if (value == m_hint)
        return;
    m_hint = value;
    emit changed();
}

void TControl::SetShowHint(bool value) {
    if (value == m_showHint)
        return;
    m_showHint = value;
    emit changed();
}

void TControl::SetText(const QString& value) {
    if (value == m_text)
        return;
    m_text = value;
    TextChanged();
}

void TControl::TextChanged() {
    emit textChanged();
    emit changed();
}

void TControl::SetCursor(TCursor value) {
    if (value == m_cursor)
        return;
    m_cursor = value;
    emit changed();
}

void TControl::Click() {
    if (OnClick)
        OnClick(this);
}

void TControl::DblClick() {
    if (OnDblClick)
        OnDblClick(this);
}

void TControl::UserMouseMove(const QPoint& at, TShiftState shift) {
    if (OnMouseMove)
        OnMouseMove(this, shift, at.x(), at.y());
}

void TControl::UserClick(const QPoint&) {
    Click();
}

void TControl::UserDoubleClick(const QPoint&) {
    DblClick();
}

void TControl::BringToFront() {
    if (!m_parent)
        return;
    auto& list = m_parent->m_controls;
    std::erase(list, this);
    list.push_back(this);
    emit m_parent->controlsChanged();
    m_parent->Realign();
}

void TControl::SendToBack() {
    if (!m_parent)
        return;
    auto& list = m_parent->m_controls;
    std::erase(list, this);
    list.insert(list.begin(), this);
    emit m_parent->controlsChanged();
    m_parent->Realign();
}

bool TControl::IsLoadingState() const {
    return IsLoading() || (Owner() && Owner()->IsLoading());
}

void TControl::ReadProperty(const FormDataProperty& property, FormDataContext& context) {
    if (ReadFromTable(controlProperties(), *this, property, context))
        return;
    if (property.name.startsWith(QLatin1String("Font."), Qt::CaseInsensitive)) {
        TFont font = Font();
        font.ReadProperty(property.name.mid(5), property);
        SetFont(font);
        return;
    }
    if (IsProperty(property, "Anchors")) {
        m_anchors = property.value.asSet(property.name);
        return;
    }
    if (IsProperty(property, "HelpContext")) {
        m_helpContext = ReadInt(property);
        return;
    }
    if (isDesignerOnly(property.name))
        return;
    TComponent::ReadProperty(property, context);
}

} // namespace ger
