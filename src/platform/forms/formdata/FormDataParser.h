#pragma once
// Reads the classic nested form data text into a tree of FormDataObject blocks:
//
//   object frmX: TfrmX                        (also `inherited` and `inline`; `TClass` alone
//     Left = 8                                 declares an unnamed component; a header may end
//     Font.Style = [fsBold]                    with an order index `[2]`, which is ignored)
//     Items.Strings = (
//       'Sim'
//       'N'#227'o')
//     SQL.Strings = (
//       'SELECT A.CDFILIAL ' +
//       'FROM FILIAL A')                       (+ joins string pieces, across lines too)
//     Columns = <
//       item                                   (or `item [0]`: the index is ignored)
//         FieldName = 'OPERACAO'
//       end>
//     Picture.Data = {
//       07544269746D6170}
//     object panFilial: TPanel
//     end
//   end
//
// A list may hold identifiers and numbers as well as strings; they are kept as written.
// Every error is an EFormDataError naming the source and the line. Blocks and collection
// items nest at most MaxDepth deep, so hostile input cannot exhaust the stack, and the whole
// parse is one pass over the text.

#include "platform/forms/formdata/FormDataDocument.h"
#include "platform/forms/formdata/FormDataLexer.h"

#include <QByteArray>
#include <QString>

namespace ger {

class FormDataParser {
public:
    static constexpr int MaxDepth = 64;

    static FormDataDocument parse(const QString& text, const QString& source);
    // The text as UTF-8, the encoding of the form data files in this tree.
    static FormDataDocument parseUtf8(const QByteArray& text, const QString& source);

private:
    FormDataParser(const QString& text, const QString& source);

    FormDataObject parseObject();
    void parseHeader(FormDataObject& object);
    void parseBody(FormDataObject& object);
    FormDataProperty parseProperty();
    FormDataValue parseValue();
    QString parseQualifiedName();
    QString parseStringExpression();
    FormDataValue parseSet();
    FormDataValue parseList();
    FormDataValue parseCollection();
    FormDataItem parseItem();
    void skipOrderIndex();

    FormDataToken expect(FormDataToken::Type type, const char* what);
    void expectSymbol(char symbol);
    [[noreturn]] void unexpected(const FormDataToken& token, const QString& expected);
    void enter(int line);
    void leave() { --m_depth; }

    FormDataLexer m_lexer;
    int m_depth = 0;
};

} // namespace ger
