#include "host/core/ScriptParser.h"

#include "host/core/HostExceptions.h"
#include "host/core/KeyNames.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace ger;
using Kind = ScriptCommand::Kind;

namespace {

ScriptCommand ParseOne(const QString& line) {
    const auto commands = ParseScript(line);
    EXPECT_EQ(commands.size(), 1u) << line.toStdString();
    return commands.empty() ? ScriptCommand{} : commands.front();
}

int SyntaxErrorLine(const QString& script) {
    try {
        ParseScript(script);
    } catch (const EScriptSyntaxError& e) {
        return e.Line();
    }
    return 0;
}

TEST(ScriptParserTest, SkipsBlankAndCommentLinesButCountsThem) {
    const auto commands = ParseScript("# abre a tela\n\niniproc\r\n   \n  focus medFilial\n");
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[0].kind, Kind::IniProc);
    EXPECT_EQ(commands[0].line, 3);
    EXPECT_EQ(commands[0].source, "iniproc") << "the carriage return is not part of the line";
    EXPECT_EQ(commands[1].kind, Kind::Focus);
    EXPECT_EQ(commands[1].line, 5);
    EXPECT_EQ(commands[1].name, "medFilial");
}

TEST(ScriptParserTest, AnUnknownLineReportsItsNumber) {
    EXPECT_EQ(SyntaxErrorLine("iniproc\n# comentário\n\nvoar longe\nmessages\n"), 4);
    EXPECT_THAT([] { ParseScript("iniproc\nvoar longe\n"); },
                ::testing::ThrowsMessage<EScriptSyntaxError>(
                    ::testing::HasSubstr("line 2: unknown command \"voar\"")));
}

struct BadLine {
    const char* name;
    const char* line;
};

class ScriptParserRefusalTest : public ::testing::TestWithParam<BadLine> {};

TEST_P(ScriptParserRefusalTest, IsASyntaxErrorOnItsLine) {
    EXPECT_EQ(SyntaxErrorLine(QStringLiteral("iniproc\n") + QString::fromUtf8(GetParam().line)), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ScriptParserRefusalTest,
    ::testing::Values(
        BadLine{"IniProcWithArgument", "iniproc agora"}, BadLine{"FocusWithoutName", "focus"},
        BadLine{"ClickWithTwoNames", "click a b"}, BadLine{"TypeWithoutText", "type"},
        BadLine{"KeyWithoutKey", "key"}, BadLine{"UnknownKey", "key Voltar"},
        BadLine{"FunctionKeyBeyondF12", "key F13"},
        BadLine{"FunctionKeyWithLeadingZero", "key F01"}, BadLine{"UnknownShift", "key Tab Meta"},
        BadLine{"CharacterNoKeyTypes", "key ç"}, BadLine{"CellRowZero", "cell dbgPadrao 0 1"},
        BadLine{"CellColumnNotANumber", "cell dbgPadrao 1 x"},
        BadLine{"CellMissingColumn", "cell dbgPadrao 1"}, BadLine{"AnswerMaybe", "answer talvez"},
        BadLine{"ChooseNothing", "choose   "}, BadLine{"MessagesWithArgument", "messages todas"}),
    [](const auto& tested) { return std::string(tested.param.name); });

TEST(ScriptParserTest, TypeAndPickTakeTheRestOfTheLineWithItsBlanks) {
    EXPECT_EQ(ParseOne("type Filial  Centro ").text, "Filial  Centro ");
    EXPECT_EQ(ParseOne("  type  x").text, " x") << "only the one blank after the word goes";
    EXPECT_EQ(ParseOne("pick Não").text, "Não");
    EXPECT_EQ(ParseOne("choose 0001 ").text, "0001");
    EXPECT_EQ(ParseOne("choose -").text, "") << "closes the lookup without a choice";
}

TEST(ScriptParserTest, CommandWordsIgnoreCaseButNamesKeepIt) {
    const ScriptCommand c = ParseOne("DblClick dbgPadrao");
    EXPECT_EQ(c.kind, Kind::DoubleClick);
    EXPECT_EQ(c.name, "dbgPadrao");
    EXPECT_EQ(ParseOne("CLOSE frmTpoper").kind, Kind::Close);
}

TEST(ScriptParserTest, CellAnswerAndDumpCarryTheirArguments) {
    const ScriptCommand cell = ParseOne("cell frmTpOperFil.dbgPadrao 3 2");
    EXPECT_EQ(cell.kind, Kind::Cell);
    EXPECT_EQ(cell.name, "frmTpOperFil.dbgPadrao");
    EXPECT_EQ(cell.row, 3);
    EXPECT_EQ(cell.column, 2);
    EXPECT_EQ(ParseOne("answer yes").answer, mrYes);
    EXPECT_EQ(ParseOne("answer No").answer, mrNo);
    EXPECT_EQ(ParseOne("answer ok").answer, mrOk);
    EXPECT_EQ(ParseOne("dump medFilial").kind, Kind::Dump);
    EXPECT_EQ(ParseOne("messages").kind, Kind::Messages);
}

struct KeyCase {
    const char* line;
    Word key;
    TShiftState shift;
};

class ScriptKeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(ScriptKeyTest, NamesTheVirtualKeyAndShiftState) {
    const ScriptCommand c = ParseOne(QString::fromUtf8(GetParam().line));
    EXPECT_EQ(c.kind, Kind::Key);
    EXPECT_EQ(c.key, GetParam().key);
    EXPECT_EQ(c.shift, GetParam().shift);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ScriptKeyTest,
    ::testing::Values(KeyCase{"key Tab", VK_TAB, {}}, KeyCase{"key tab Shift", VK_TAB, ssShift},
                      KeyCase{"key Enter", VK_RETURN, {}}, KeyCase{"key Escape", VK_ESCAPE, {}},
                      KeyCase{"key Space", VK_SPACE, {}}, KeyCase{"key Insert", VK_INSERT, {}},
                      KeyCase{"key Delete Ctrl", VK_DELETE, ssCtrl},
                      KeyCase{"key Backspace", VK_BACK, {}}, KeyCase{"key Up", VK_UP, {}},
                      KeyCase{"key Down", VK_DOWN, {}}, KeyCase{"key Left", VK_LEFT, {}},
                      KeyCase{"key Right", VK_RIGHT, {}}, KeyCase{"key PageUp", VK_PRIOR, {}},
                      KeyCase{"key PageDown", VK_NEXT, {}}, KeyCase{"key Home", VK_HOME, {}},
                      KeyCase{"key End Ctrl Shift", VK_END, TShiftState(ssCtrl | ssShift)},
                      KeyCase{"key F1", VK_F1, {}}, KeyCase{"key F12", VK_F12, {}},
                      KeyCase{"key a", 'A', {}}, KeyCase{"key A", 'A', ssShift},
                      KeyCase{"key 7 Alt", '7', ssAlt}, KeyCase{"key c Ctrl", 'C', ssCtrl}));

TEST(KeyNamesTest, NamesAreNotCaseSensitiveButCharactersAre) {
    EXPECT_EQ(ParseKeyName("PAGEDOWN")->first, VK_NEXT);
    EXPECT_EQ(ParseKeyName("f5")->first, VK_F5);
    EXPECT_EQ(ParseKeyName("x")->second, TShiftState());
    EXPECT_EQ(ParseKeyName("X")->second, TShiftState(ssShift));
    EXPECT_FALSE(ParseKeyName("F0"));
    EXPECT_FALSE(ParseKeyName("Fx"));
    EXPECT_FALSE(ParseShiftName("Control"));
}

} // namespace
