#include "framework/TBtnPesquisa.h"

#include "framework/Lookup.h"
#include "platform/core/ComponentRegistry.h"
#include "platform/core/Exception.h"
#include "platform/db/TDataSource.h"
#include "platform/forms/PropertyReading.h"
#include "platform/forms/TWinControl.h"

#include <QFile>

namespace ger {
namespace {

// Drawn by scripts/make-pictures.py --glyphs, embedded by the framework's CMakeLists.txt.
const QString DefaultGlyphResource = QStringLiteral(":/glyphs/lookup.bmp");

TBitmap loadDefaultGlyph() {
    QFile file(DefaultGlyphResource);
    if (!file.open(QIODevice::ReadOnly))
        throw EComponentError(
            QStringLiteral("TBtnPesquisa: default glyph %1 not found").arg(DefaultGlyphResource));
    return TBitmap::FromBmp(file.readAll());
}

const PropertyTable<TBtnPesquisa>& lookupProperties() {
    using B = TBtnPesquisa&;
    using P = const FormDataProperty&;
    using C = FormDataContext&;
    static const PropertyTable<TBtnPesquisa> table{
        {"associate",
         [](B b, P p, C x) {
             ReadReference<TWinControl>(p, x, "win control",
                                        [&b](TWinControl* c) { b.SetAssociate(c); });
         }},
        {"datasource",
         [](B b, P p, C x) {
             ReadReference<TDataSource>(p, x, "data source",
                                        [&b](TDataSource* d) { b.SetDataSource(d); });
         }},
        {"title", [](B b, P p, C) { b.SetTitle(ReadString(p)); }},
        {"emptyerror", [](B b, P p, C) { b.SetEmptyError(ReadString(p)); }},
        {"pesqchave", [](B b, P p, C) { b.SetPesqChave(ReadBool(p)); }},
        {"onbeforepesq", [](B b, P p, C x) { b.OnBeforePesq = ReadEvent<TBeforePesqEvent>(p, x); }},
        {"onafterpesq", [](B b, P p, C x) { b.OnAfterPesq = ReadEvent<TNotifyEvent>(p, x); }},
    };
    return table;
}

} // namespace

TBtnPesquisa::TBtnPesquisa(TComponent* AOwner)
    : TSpeedButton(AOwner) {
    SetFlat(true);
    SetGlyph(DefaultGlyph());
}

const TBitmap& TBtnPesquisa::DefaultGlyph() {
    static const TBitmap glyph = loadDefaultGlyph();
    return glyph;
}

TWinControl* TBtnPesquisa::Associate() const {
    return m_associate.data();
}

void TBtnPesquisa::SetAssociate(TWinControl* control) {
    m_associate = control;
}

TDataSource* TBtnPesquisa::DataSource() const {
    return m_dataSource.data();
}

void TBtnPesquisa::SetDataSource(TDataSource* source) {
    m_dataSource = source;
}

void TBtnPesquisa::Click() {
    TSpeedButton::Click();
    if (!m_dataSource)
        return;
    bool allowPesq = true;
    if (OnBeforePesq)
        OnBeforePesq(this, allowPesq);
    if (!allowPesq)
        return;
    if (!Pesquisar(m_dataSource, m_title + QLatin1Char('|') + m_emptyError, false, true))
        return;
    if (m_associate && m_associate->CanFocus())
        m_associate->SetFocus();
    if (OnAfterPesq)
        OnAfterPesq(this);
}

void TBtnPesquisa::ReadProperty(const FormDataProperty& property, FormDataContext& context) {
    if (!ReadFromTable(lookupProperties(), *this, property, context))
        TSpeedButton::ReadProperty(property, context);
}

GER_REGISTER_COMPONENT(TBtnPesquisa)

} // namespace ger
