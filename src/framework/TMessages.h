#pragma once
// TMessages: a screen's message table (`msgPadrao`). Form data declares it as lines of a key, a
// vertical bar and the text:
//
//   object msgPadrao: TMessages
//     Messages.Strings = (
//       'Filial_Cad|Filial n'#227'o cadastrada.'
//       'TipoOPeracao_n_cad|N'#227'o h'#225' tipo de opera'#231#227'o cadastrado.')
//   end
//
//   msgPadrao->Msg("filial_cad")              -> "Filial não cadastrada."
//   msgPadrao->Msg("TipoOperacao_n_cad")      -> the second text: keys match without regard
//                                                to case
//   msgPadrao->Msg("Nada")                    -> EMessageKeyError naming the table and the key
//   msgPadrao->ShowMsg("Excl", mtConfirmation, {mbYes, mbNo}, 0)  -> mrYes or mrNo
//
// The text is everything after the first bar, exactly as stored (trailing blanks included); the
// key is everything before it, compared as written apart from case. A line without a bar holds
// no message (form data keeps blank lines); when a key appears twice, the first line wins.

#include "platform/core/TComponent.h"
#include "platform/forms/DialogTypes.h"

#include <QStringList>

namespace ger {

class TMessages : public TComponent {
public:
    explicit TMessages(TComponent* AOwner);

    QString ClassName() const override { return QStringLiteral("TMessages"); }

    const QStringList& Messages() const { return m_lines; }
    void SetMessages(const QStringList& lines) { m_lines = lines; }

    bool HasMsg(const QString& key) const;
    // The text of the key; raises EMessageKeyError for a key the table does not hold.
    QString Msg(const QString& key) const;
    // Shows the text of the key through the application's dialog service and returns the
    // button chosen. The help context is accepted for the callers' sake and not used: the
    // system has no help file.
    TModalResult ShowMsg(const QString& key, TMsgDlgType type, TMsgDlgButtons buttons,
                         int helpContext = 0) const;

    void ReadProperty(const FormDataProperty& property, FormDataContext& context) override;

private:
    const QString* FindLine(const QString& key) const;

    QStringList m_lines;
};

} // namespace ger
