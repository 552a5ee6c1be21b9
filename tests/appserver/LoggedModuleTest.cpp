// The call log of the application server: what a client sends is logged escaped, so that no
// client can forge a line of the log or drive the terminal that shows it.

#include "appserver/LoggedModule.h"

#include "platform/core/Exception.h"

#include <gtest/gtest.h>

using namespace ger;

namespace {

// Answers every call with the text of its first argument, or raises it when asked to.
class EchoModule : public IRemoteDataModule {
public:
    QVariant Invoke(const QString& method, QList<CallArgument>& args) override {
        const QString first = args.isEmpty() ? QString() : args.front().value.toString();
        if (method == u"Raise")
            throw Exception(first);
        return first;
    }
};

QStringList LinesOf(const QString& method, const QString& argument) {
    QStringList lines;
    LoggedModule logged(std::make_unique<EchoModule>(),
                        [&lines](const QString& line) { lines.append(line); });
    QList<CallArgument> args{CallArgument::string(argument)};
    try {
        logged.Invoke(method, args);
    } catch (const Exception&) {
    }
    return lines;
}

bool HasControl(const QString& line) {
    for (const QChar c : line)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || c.category() == QChar::Other_Format)
            return true;
    return false;
}

TEST(LoggedModuleTest, AForgedLineStaysInsideTheCallsOwnLine) {
    const QString forged = QStringLiteral(
        "0001\")\r\nGetTpOperFil(\"0002\") -> pacote 10 bytes (1 ms)\x1b[2J\u202E\\x0a");
    for (const QString& method : {QStringLiteral("GetTpOperFil"), QStringLiteral("Raise"),
                                  QStringLiteral("Get\nTpOperFil\x1b")}) {
        SCOPED_TRACE(method.toStdString());
        const QStringList lines = LinesOf(method, forged);
        ASSERT_EQ(lines.size(), 1);
        EXPECT_FALSE(HasControl(lines.front())) << lines.front().toStdString();
        EXPECT_TRUE(lines.front().contains(QStringLiteral("\\x0d\\x0a")))
            << lines.front().toStdString();
        EXPECT_TRUE(lines.front().contains(QStringLiteral("\\x1b[2J\\u202e\\\\x0a")))
            << lines.front().toStdString();
    }
    EXPECT_TRUE(LinesOf("GetTpOperFil", forged)
                    .front()
                    .startsWith(QStringLiteral("GetTpOperFil(\"0001\\\")\\x0d\\x0a")));
}

TEST(LoggedModuleTest, PlainTextsAndAccentsAreLoggedAsTheyAre) {
    const QStringList lines = LinesOf("GetTpOperFil", QStringLiteral("Filial São Paulo"));
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines.front().startsWith(
        QStringLiteral("GetTpOperFil(\"Filial São Paulo\") -> \"Filial São Paulo\" (")))
        << lines.front().toStdString();
}

} // namespace
