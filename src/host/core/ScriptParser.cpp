#include "host/core/ScriptParser.h"

#include "host/core/HostExceptions.h"
#include "host/core/KeyNames.h"

#include <QRegularExpression>

namespace ger {
namespace {

using Kind = ScriptCommand::Kind;

class LineParser {
public:
    LineParser(int line, const QString& source)
        : m_line(line)
        , m_source(source) {
        static const QRegularExpression blanks(QStringLiteral("\\s+"));
        m_words = source.trimmed().split(blanks, Qt::SkipEmptyParts);
        m_command.line = line;
        m_command.source = source;
    }

    ScriptCommand parse() {
        const QString word = m_words.front().toLower();
        if (word == u"iniproc")
            return noArguments(Kind::IniProc);
        if (word == u"messages")
            return noArguments(Kind::Messages);
        if (word == u"focus")
            return named(Kind::Focus);
        if (word == u"click")
            return named(Kind::Click);
        if (word == u"dblclick")
            return named(Kind::DoubleClick);
        if (word == u"dump")
            return named(Kind::Dump);
        if (word == u"close")
            return named(Kind::Close);
        if (word == u"type")
            return restOfLine(Kind::Type);
        if (word == u"pick")
            return restOfLine(Kind::Pick);
        if (word == u"choose")
            return choose();
        if (word == u"answer")
            return answer();
        if (word == u"key")
            return key();
        if (word == u"cell")
            return cell();
        fail(QStringLiteral("unknown command \"%1\"").arg(m_words.front()));
    }

private:
    [[noreturn]] void fail(const QString& message) const {
        throw EScriptSyntaxError(m_line, message);
    }

    void expectWords(int count, const QString& usage) const {
        if (m_words.size() != count)
            fail(QStringLiteral("expected: %1").arg(usage));
    }

    ScriptCommand noArguments(Kind kind) {
        expectWords(1, m_words.front().toLower());
        m_command.kind = kind;
        return m_command;
    }

    ScriptCommand named(Kind kind) {
        expectWords(2, m_words.front().toLower() + QStringLiteral(" NAME"));
        m_command.kind = kind;
        m_command.name = m_words.at(1);
        return m_command;
    }

    // The text after the command word and the one blank that follows it.
    QString rest() const {
        const qsizetype end = m_source.indexOf(m_words.front()) + m_words.front().size();
        return m_source.mid(end + 1);
    }

    ScriptCommand restOfLine(Kind kind) {
        m_command.kind = kind;
        m_command.text = rest();
        if (m_command.text.isEmpty())
            fail(QStringLiteral("expected: %1 TEXT").arg(m_words.front().toLower()));
        return m_command;
    }

    ScriptCommand choose() {
        m_command.kind = Kind::Choose;
        m_command.text = rest().trimmed();
        if (m_command.text.isEmpty())
            fail(QStringLiteral("expected: choose KEYVALUE, or choose -"));
        if (m_command.text == u"-")
            m_command.text.clear();
        return m_command;
    }

    ScriptCommand answer() {
        expectWords(2, QStringLiteral("answer yes|no|ok"));
        const QString value = m_words.at(1).toLower();
        m_command.kind = Kind::Answer;
        if (value == u"yes")
            m_command.answer = mrYes;
        else if (value == u"no")
            m_command.answer = mrNo;
        else if (value == u"ok")
            m_command.answer = mrOk;
        else
            fail(QStringLiteral("expected: answer yes|no|ok, not \"%1\"").arg(m_words.at(1)));
        return m_command;
    }

    ScriptCommand key() {
        if (m_words.size() < 2)
            fail(QStringLiteral("expected: key KEY [Shift] [Ctrl] [Alt]"));
        const auto key = ParseKeyName(m_words.at(1));
        if (!key)
            fail(QStringLiteral("unknown key \"%1\"").arg(m_words.at(1)));
        m_command.kind = Kind::Key;
        m_command.key = key->first;
        m_command.shift = key->second;
        for (qsizetype i = 2; i < m_words.size(); ++i) {
            const auto shift = ParseShiftName(m_words.at(i));
            if (!shift)
                fail(QStringLiteral("unknown shift key \"%1\"").arg(m_words.at(i)));
            m_command.shift |= *shift;
        }
        return m_command;
    }

    int positive(const QString& word, const char* what) const {
        bool ok = false;
        const int value = word.toInt(&ok);
        if (!ok || value < 1)
            fail(QStringLiteral("%1 \"%2\" is not a number from 1 up")
                     .arg(QString::fromLatin1(what), word));
        return value;
    }

    ScriptCommand cell() {
        expectWords(4, QStringLiteral("cell GRID ROW COLUMN"));
        m_command.kind = Kind::Cell;
        m_command.name = m_words.at(1);
        m_command.row = positive(m_words.at(2), "row");
        m_command.column = positive(m_words.at(3), "column");
        return m_command;
    }

    int m_line;
    QString m_source;
    QStringList m_words;
    ScriptCommand m_command;
};

} // namespace

std::vector<ScriptCommand> ParseScript(const QString& text) {
    std::vector<ScriptCommand> commands;
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString source = lines.at(i);
        if (source.endsWith(u'\r'))
            source.chop(1);
        const QString trimmed = source.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u'#'))
            continue;
        commands.push_back(LineParser(static_cast<int>(i + 1), source).parse());
    }
    return commands;
}

} // namespace ger
