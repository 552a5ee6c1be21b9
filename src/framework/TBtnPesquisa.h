#pragma once
// TBtnPesquisa: the lookup button beside an edit. Drawn on its parent like a flat toolbar
// button, it takes no keyboard focus: clicking it runs no OnExit of the focused edit.
//
// A click, in this order:
//   1. OnClick, when assigned (a screen may do its own lookup there, as the bulk screen does
//      with PesquisaLista on buttons that have no DataSource);
//   2. without a DataSource, nothing more; otherwise OnBeforePesq(Sender, AllowPesq), in which
//      the screen closes, parametrises and opens the query behind DataSource; AllowPesq starts
//      true, and false ends the click;
//   3. Pesquisar(DataSource, Title + "|" + EmptyError, false, true): the visible fields of the
//      rows offered, or EmptyError as an error when there are none; no choice ends the click;
//   4. the focus moves to Associate when it can take it, so that a code chosen while the focus
//      was elsewhere (in the grid, say) is checked and loaded when the person leaves the edit,
//      as a typed one is. The move runs the exits of the control that had the focus; when one
//      of them fails (a check raising, with its message), the click ends there;
//   5. OnAfterPesq(Sender), with the dataset on the chosen row.
// Exceptions go on to the dispatch boundary of the click.
//
// PesqChave (a search by key in the lookup window) is kept from form data; the lookup window
// here always offers every visible column, so it changes nothing.
//
// Every lookup button of the framework shows the same magnifier, set by the constructor from
// the framework's resources; a Glyph.Data in form data still replaces it.

#include "platform/forms/TSpeedButton.h"

#include <QPointer>
#include <functional>

namespace ger {

class TDataSource;
class TWinControl;

using TBeforePesqEvent = std::function<void(TObject* Sender, bool& AllowPesq)>;

class TBtnPesquisa : public TSpeedButton {
public:
    explicit TBtnPesquisa(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TBtnPesquisa"); }

    TWinControl* Associate() const;
    void SetAssociate(TWinControl* control);
    TDataSource* DataSource() const;
    void SetDataSource(TDataSource* source);
    const QString& Title() const { return m_title; }
    void SetTitle(const QString& title) { m_title = title; }
    const QString& EmptyError() const { return m_emptyError; }
    void SetEmptyError(const QString& text) { m_emptyError = text; }
    bool PesqChave() const { return m_pesqChave; }
    void SetPesqChave(bool value) { m_pesqChave = value; }

    TBeforePesqEvent OnBeforePesq;
    TNotifyEvent OnAfterPesq;

    // The magnifier every lookup button starts with: 16 x 16 on an olive ground, so that it
    // draws transparent. Decoded once; EComponentError if the resource is missing.
    static const TBitmap& DefaultGlyph();

    void Click() override;

    void ReadProperty(const FormDataProperty& property, FormDataContext& context) override;

private:
    QPointer<TWinControl> m_associate;
    QPointer<TDataSource> m_dataSource;
    QString m_title;
    QString m_emptyError;
    bool m_pesqChave = false;
};

} // namespace ger
