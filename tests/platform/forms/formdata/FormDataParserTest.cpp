#include "platform/forms/formdata/FormDataParser.h"

#include "platform/core/Exception.h"
#include "support/ThrowsWithMessage.h"

#include <gtest/gtest.h>
#include <limits>

using namespace ger;
using namespace ger::test;
using testing::AllOf;
using testing::HasSubstr;
using testing::StartsWith;

namespace {

FormDataValue integer(qint64 v) {
    FormDataValue value;
    value.integer = v;
    return value;
}

FormDataValue number(double v) {
    FormDataValue value;
    value.kind = FormDataValue::Kind::Float;
    value.number = v;
    return value;
}

FormDataValue textOf(FormDataValue::Kind kind, const QString& text) {
    FormDataValue value;
    value.kind = kind;
    value.text = text;
    return value;
}

FormDataValue string(const QString& text) {
    return textOf(FormDataValue::Kind::String, text);
}
FormDataValue identifier(const QString& text) {
    return textOf(FormDataValue::Kind::Identifier, text);
}

FormDataValue itemsOf(FormDataValue::Kind kind, const QStringList& items) {
    FormDataValue value;
    value.kind = kind;
    value.items = items;
    return value;
}

FormDataValue binary(const QByteArray& bytes) {
    FormDataValue value;
    value.kind = FormDataValue::Kind::Binary;
    value.binary = bytes;
    return value;
}

// Parses `Value = <text>` inside a one-object file and returns the value.
FormDataValue parseValue(const QString& text) {
    const FormDataDocument document = FormDataParser::parse(
        QStringLiteral("object a: TA\n  Value = %1\nend\n").arg(text), "value.dfm");
    EXPECT_EQ(document.root.properties.size(), 1u);
    return document.root.properties.at(0).value;
}

void expectSameValue(const FormDataValue& actual, const FormDataValue& expected) {
    ASSERT_EQ(actual.kind, expected.kind);
    EXPECT_EQ(actual.integer, expected.integer);
    EXPECT_DOUBLE_EQ(actual.number, expected.number);
    EXPECT_EQ(actual.text, expected.text);
    EXPECT_EQ(actual.items, expected.items);
    EXPECT_EQ(actual.binary, expected.binary);
}

struct ValueCase {
    const char* name;
    QString text;
    FormDataValue expected;
};

void PrintTo(const ValueCase& c, std::ostream* os) {
    *os << c.name;
}

class FormDataValueSyntax : public testing::TestWithParam<ValueCase> {};

TEST_P(FormDataValueSyntax, ReadsTheValueAsWritten) {
    expectSameValue(parseValue(GetParam().text), GetParam().expected);
}

const QString Grin = QString::fromUcs4(U"\U0001F600", 1);
using Kind = FormDataValue::Kind;

INSTANTIATE_TEST_SUITE_P(
    AllKinds, FormDataValueSyntax,
    testing::Values(
        ValueCase{"Integer", "8", integer(8)}, ValueCase{"NegativeInteger", "-11", integer(-11)},
        ValueCase{"Hex", "$00FF", integer(255)}, ValueCase{"NegativeHex", "-$10", integer(-16)},
        ValueCase{"FullWidthHexWraps", "$FFFFFFFFFFFFFFFF", integer(-1)},
        ValueCase{"SmallestInteger", "-9223372036854775808",
                  integer(std::numeric_limits<qint64>::min())},
        ValueCase{"Float", "1.5", number(1.5)},
        ValueCase{"FloatWithExponent", "-2.5E3", number(-2500)},
        ValueCase{"FloatWithTypeSuffix", "0.75s", number(0.75)},
        ValueCase{"Quoted", "'Filial'", string("Filial")}, ValueCase{"Empty", "''", string("")},
        ValueCase{"DoubledQuoteAndUtf8", "'D''Ávila'", string("D'Ávila")},
        ValueCase{"CharacterCodes", "'Tipo de Opera'#231#227'o'", string("Tipo de Operação")},
        ValueCase{"HexCharacterCode", "#$E7'a'", string("ça")},
        ValueCase{"OnlyCodes", "#13#10", string("\r\n")},
        ValueCase{"CodeBeyondBasicPlane", "#128512", string(Grin)},
        ValueCase{"SurrogatePairCodes", "#55357#56832", string(Grin)},
        ValueCase{"PlusJoinsAcrossLines", "'SELECT' +\n    ' A.CDFILIAL' +\n    #39'T'#39",
                  string("SELECT A.CDFILIAL'T'")},
        ValueCase{"CommentBetweenPieces", "'a' + // first piece\n    'b'", string("ab")},
        ValueCase{"SlashesInsideStringAreText", "'http://host' // comment", string("http://host")},
        ValueCase{"Identifier", "clInfoBk", identifier("clInfoBk")},
        ValueCase{"DottedIdentifier", "frmOther.dtsFilial", identifier("frmOther.dtsFilial")},
        ValueCase{"Set", "[fsBold, fsItalic]", itemsOf(Kind::Set, {"fsBold", "fsItalic"})},
        ValueCase{"EmptySet", "[]", itemsOf(Kind::Set, {})},
        ValueCase{"SetOfNumbers", "[0, 2]", itemsOf(Kind::Set, {"0", "2"})},
        ValueCase{"StringListAcrossLines", "(\n    'Sim'\n    'N'#227'o')",
                  itemsOf(Kind::List, {"Sim", "Não"})},
        ValueCase{"ListItemJoinedByPlus", "('a' +\n 'b'\n 'c')", itemsOf(Kind::List, {"ab", "c"})},
        ValueCase{"MixedListKeptAsWritten", "(1 -2 $FF 1.5 clRed)",
                  itemsOf(Kind::List, {"1", "-2", "$FF", "1.5", "clRed"})},
        ValueCase{"EmptyList", "()", itemsOf(Kind::List, {})},
        ValueCase{"BinaryAcrossLines", "{\n    0754\n    4269 746d}",
                  binary(QByteArray::fromHex("07544269746D"))},
        ValueCase{"EmptyBinary", "{}", binary({})}),
    [](const testing::TestParamInfo<ValueCase>& param) { return param.param.name; });

const char* const Sample = R"(object frmX: TfrmX
  Left = 8
  Caption = 'Tipo de Opera'#231#227'o por Filial'
  Font.Style = [fsBold]
  Items.Strings = (
    'Sim'
    'N'#227'o')
  Columns = <
    item
      FieldName = 'OPERACAO'
      Title.Caption = 'Tipo de Opera'#231#227'o'
    end
    item [1]
      FieldName = 'IDLIBERADO'
      PickList.Strings = (
        'Sim'
        'N'#227'o')
    end>
  Picture.Data = {
    07544269746D6170}
  // the branch panel
  object panFilial: TPanel
    OnExit = panFilialExit
    inherited lblFilial: TLabel [2]
    end
  end
  inline fraEndereco: TfraEndereco
  end
  object TTimer
  end
end
)";

TEST(FormDataParserTest, ReadsObjectsPropertiesAndCollectionsWithTheirLines) {
    const FormDataDocument document =
        FormDataParser::parse(QString::fromUtf8(Sample), "sample.dfm");
    const FormDataObject& root = document.root;
    EXPECT_EQ(document.source, "sample.dfm");
    EXPECT_EQ(root.kind, FormDataObject::Kind::Object);
    EXPECT_EQ(root.name, "frmX");
    EXPECT_EQ(root.className, "TfrmX");
    EXPECT_EQ(root.line, 1);

    QStringList names;
    for (const FormDataProperty& p : root.properties)
        names << QStringLiteral("%1@%2").arg(p.name).arg(p.line);
    EXPECT_EQ(names, QStringList({"Left@2", "Caption@3", "Font.Style@4", "Items.Strings@5",
                                  "Columns@8", "Picture.Data@19"}));

    const FormDataValue& columns = root.properties.at(4).value;
    ASSERT_EQ(columns.kind, FormDataValue::Kind::Collection);
    ASSERT_EQ(columns.collection.size(), 2u);
    const auto& first = columns.collection.at(0).properties;
    ASSERT_EQ(first.size(), 2u);
    EXPECT_EQ(first.at(1).name, "Title.Caption");
    EXPECT_EQ(first.at(1).value.text, "Tipo de Operação");
    EXPECT_EQ(first.at(1).line, 11);
    const auto& second = columns.collection.at(1).properties;
    ASSERT_EQ(second.size(), 2u);
    EXPECT_EQ(second.at(1).value.items, QStringList({"Sim", "Não"}));

    ASSERT_EQ(root.children.size(), 3u);
    const FormDataObject& panel = root.children.at(0);
    EXPECT_EQ(panel.name, "panFilial");
    EXPECT_EQ(panel.line, 22);
    ASSERT_EQ(panel.properties.size(), 1u);
    EXPECT_EQ(panel.properties.at(0).value.text, "panFilialExit");
    ASSERT_EQ(panel.children.size(), 1u);
    EXPECT_EQ(panel.children.at(0).kind, FormDataObject::Kind::Inherited);
    EXPECT_EQ(panel.children.at(0).className, "TLabel");
    EXPECT_EQ(root.children.at(1).kind, FormDataObject::Kind::Inline);
    EXPECT_EQ(root.children.at(2).name, "");
    EXPECT_EQ(root.children.at(2).className, "TTimer");
}

TEST(FormDataParserTest, KeywordsAreCaseInsensitiveAndLineEndingsMayBeCrLf) {
    const FormDataDocument document = FormDataParser::parseUtf8(
        "\xEF\xBB\xBFOBJECT a: TA\r\n  Inherited b: TB\r\n  END\r\n  X = 1\r\nEnd\r\n", "crlf.dfm");
    ASSERT_EQ(document.root.children.size(), 1u);
    EXPECT_EQ(document.root.children.at(0).kind, FormDataObject::Kind::Inherited);
    ASSERT_EQ(document.root.properties.size(), 1u);
    EXPECT_EQ(document.root.properties.at(0).line, 4);
}

struct ErrorCase {
    const char* name;
    QString text;
    int line;
    QString fragment;
};

void PrintTo(const ErrorCase& c, std::ostream* os) {
    *os << c.name;
}

class FormDataSyntaxError : public testing::TestWithParam<ErrorCase> {};

TEST_P(FormDataSyntaxError, NamesSourceLineAndCause) {
    const QString where = QStringLiteral("bad.dfm, line %1: ").arg(GetParam().line);
    EXPECT_THAT(
        [&] { FormDataParser::parse(GetParam().text, "bad.dfm"); },
        ThrowsWithMessage<EFormDataError>(
            AllOf(StartsWith(where.toStdString()), HasSubstr(GetParam().fragment.toStdString()))));
}

INSTANTIATE_TEST_SUITE_P(
    Syntax, FormDataSyntaxError,
    testing::Values(
        ErrorCase{"EmptyText", "", 1, "unexpected end of file, expected 'object'"},
        ErrorCase{"NoObjectKeyword", "\nLeft = 1", 2, "unexpected 'Left'"},
        ErrorCase{"StringBrokenByLineEnd", "object a: TA\n  Caption = 'abc\nend", 2,
                  "unterminated string"},
        ErrorCase{"StringCutByEndOfText", "object a: TA\n  Caption = 'it''s", 2,
                  "unterminated string"},
        ErrorCase{"MissingEnd", "object a: TA\n  object b: TB\n  end\n", 4,
                  "missing 'end' of a (opened on line 1)"},
        ErrorCase{"MissingEndOfItem", "object a: TA\n  C = <\n    item\n      X = 1\n", 5,
                  "missing 'end' of the collection item opened on line 3"},
        ErrorCase{"BadHexDigit", "object a: TA\n  D = {\n    07 5G}\nend", 3, "bad hex digit 'G'"},
        ErrorCase{"OddHexDigits", "object a: TA\n  D = {075}\nend", 2, "odd number of digits"},
        ErrorCase{"UnterminatedBinary", "object a: TA\n  D = {0754\n\n", 2,
                  "unterminated binary data"},
        ErrorCase{"MissingEquals", "object a: TA\n  Left 8\nend", 2,
                  "unexpected number 8, expected '='"},
        ErrorCase{"NoValue", "object a: TA\n  Left = ]\nend", 2,
                  "unexpected ']', expected a value"},
        ErrorCase{"TextAfterLastEnd", "object a: TA\nend\nobject b: TB\nend", 3,
                  "after the last 'end'"},
        ErrorCase{"HeaderWithoutClass", "object a: 5\nend", 1, "expected a class name"},
        ErrorCase{"BadCharacterCode", "object a: TA\n  C = #x\nend", 2, "bad character code"},
        ErrorCase{"CodeBeyondUnicode", "object a: TA\n  C = #1114112\nend", 2, "beyond U+10FFFF"},
        ErrorCase{"IntegerOutOfRange", "object a: TA\n  N = 9223372036854775808\nend", 2,
                  "number out of range"},
        ErrorCase{"HexTooLong", "object a: TA\n  N = $10000000000000000\nend", 2, "too long"},
        ErrorCase{"LettersAfterNumber", "object a: TA\n  N = 12ab\nend", 2, "bad number"},
        ErrorCase{"DanglingPlus", "object a: TA\n  C = 'a' +\nend", 3,
                  "expected a string after '+'"},
        ErrorCase{"StrayCharacter", "object a: TA\n  N = 1;\nend", 2, "unexpected character ';'"},
        ErrorCase{"MinusWithoutNumber", "object a: TA\n  N = -x\nend", 2,
                  "unexpected character '-'"},
        ErrorCase{"SetWithoutComma", "object a: TA\n  S = [a b]\nend", 2, "expected ',' or ']'"},
        ErrorCase{"SetOfStrings", "object a: TA\n  S = ['a']\nend", 2, "expected a set element"},
        ErrorCase{"CollectionWithoutItem", "object a: TA\n  C = <\n    x>\nend", 3,
                  "expected 'item' or '>'"},
        ErrorCase{"ListOfSets", "object a: TA\n  L = ([a])\nend", 2,
                  "expected a list element or ')'"},
        ErrorCase{"UnclosedList", "object a: TA\n  L = ('a'\n", 3, "unexpected end of file"}),
    [](const testing::TestParamInfo<ErrorCase>& param) { return param.param.name; });

TEST(FormDataParserTest, EveryTruncationOfAFileFailsWithALocatedError) {
    const QString sample = QString::fromUtf8(Sample);
    const qsizetype complete = sample.lastIndexOf(QLatin1String("end")) + 3;
    for (qsizetype cut = 0; cut < complete; ++cut) {
        EXPECT_THAT([&] { FormDataParser::parse(sample.left(cut), "cut.dfm"); },
                    ThrowsWithMessage<EFormDataError>(StartsWith("cut.dfm, line ")))
            << "a file cut at " << cut;
    }
    EXPECT_NO_THROW(FormDataParser::parse(sample.left(complete), "cut.dfm"));
}

QString nestedObjects(int depth) {
    QString text;
    for (int i = 0; i < depth; ++i)
        text += QStringLiteral("object o%1: TA\n").arg(i);
    for (int i = 0; i < depth; ++i)
        text += QStringLiteral("end\n");
    return text;
}

QString nestedItems(int depth) {
    QString text = QStringLiteral("object a: TA\n");
    for (int i = 0; i < depth; ++i)
        text += QStringLiteral("C = <item\n");
    for (int i = 0; i < depth; ++i)
        text += QStringLiteral("end>\n");
    return text + QStringLiteral("end\n");
}

TEST(FormDataParserTest, NestingIsBoundedForObjectsAndCollectionItems) {
    EXPECT_NO_THROW(FormDataParser::parse(nestedObjects(FormDataParser::MaxDepth), "deep.dfm"));
    EXPECT_NO_THROW(FormDataParser::parse(nestedItems(FormDataParser::MaxDepth - 1), "deep.dfm"));
    const auto expectTooDeep = [](const QString& text, int line) {
        const QString where = QStringLiteral("deep.dfm, line %1: ").arg(line);
        EXPECT_THAT([&] { FormDataParser::parse(text, "deep.dfm"); },
                    ThrowsWithMessage<EFormDataError>(
                        AllOf(StartsWith(where.toStdString()), HasSubstr("nested deeper"))));
    };
    expectTooDeep(nestedObjects(FormDataParser::MaxDepth + 1), FormDataParser::MaxDepth + 1);
    expectTooDeep(nestedItems(100000), FormDataParser::MaxDepth + 1);
}

} // namespace
