#include "platform/net/PasswordFile.h"

#include "support/ThrowsWithMessage.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ger;
using namespace ger::test;
using testing::HasSubstr;

namespace {

// The lowest count the file takes: the tests check the form, not the cost.
constexpr int kFast = PasswordHash::kMinIterations;

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void write(const QString& path, const QByteArray& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

} // namespace

TEST(PasswordHashTest, MatchesOnlyItsPasswordAndSaltsEachHash) {
    const QString hash = PasswordHash::make("segredo", kFast);
    EXPECT_TRUE(hash.startsWith("pbkdf2-sha256$1000$"));
    EXPECT_TRUE(PasswordHash::matches(hash, "segredo"));
    EXPECT_FALSE(PasswordHash::matches(hash, "Segredo"));
    EXPECT_FALSE(PasswordHash::matches(hash, ""));
    EXPECT_NE(PasswordHash::make("segredo", kFast), hash);
    EXPECT_FALSE(PasswordHash::matches("pbkdf2-sha256$10$c2FsdA==$AAAA", "segredo"));
    EXPECT_FALSE(PasswordHash::isWellFormed("segredo"));
}

TEST(PasswordHashTest, ConstantTimeComparisonSeesEveryByte) {
    EXPECT_TRUE(PasswordHash::equalInConstantTime("abcd", "abcd"));
    EXPECT_FALSE(PasswordHash::equalInConstantTime("abcd", "abcD"));
    EXPECT_FALSE(PasswordHash::equalInConstantTime("Abcd", "abcd"));
    EXPECT_FALSE(PasswordHash::equalInConstantTime("abc", "abcd"));
}

TEST(PasswordFileTest, SavedFileIsTheOwnersOnlyAndHoldsNoPasswordInClear) {
    QTemporaryDir dir;
    const QString path = dir.filePath("users");
    PasswordFile users;
    users.setPassword("maria", "senha-da-maria", kFast);
    users.setPassword("jose", "senha-do-jose", kFast);
    users.save(path);

    EXPECT_EQ(QFile::permissions(path), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                            QFileDevice::ReadUser | QFileDevice::WriteUser);
    EXPECT_FALSE(contentsOf(path).contains("senha-da-maria"));
    const PasswordFile loaded = PasswordFile::load(path);
    EXPECT_EQ(loaded.size(), 2);
    EXPECT_TRUE(loaded.verify({"maria", "senha-da-maria"}));
    EXPECT_TRUE(loaded.verify({"jose", "senha-do-jose"}));
    EXPECT_FALSE(loaded.verify({"maria", "senha-do-jose"}));
    EXPECT_FALSE(loaded.verify({"ana", "senha-da-maria"}));
}

TEST(PasswordFileTest, ANewPasswordReplacesTheRememberedOne) {
    PasswordFile users;
    users.setPassword("maria", "antiga", kFast);
    EXPECT_TRUE(users.verify({"maria", "antiga"}));
    users.setPassword("maria", "nova", kFast);
    EXPECT_FALSE(users.verify({"maria", "antiga"}));
    EXPECT_TRUE(users.verify({"maria", "nova"}));
}

TEST(PasswordFileTest, BadNamesAndLinesAreRefusedNamingTheLine) {
    PasswordFile users;
    for (const char* name : {"", "com espaço", "a:b", "tab\t", "ção"})
        EXPECT_THROW(users.setPassword(QString::fromUtf8(name), "x", kFast), EPasswordFileError)
            << name;
    EXPECT_THROW(users.setPassword("maria", "", kFast), EPasswordFileError);

    QTemporaryDir dir;
    const QString path = dir.filePath("users");
    const QString hash = PasswordHash::make("x", kFast);
    write(path, "# comentário\n\nmaria:" + hash.toUtf8() + "\njose:segredo\n");
    EXPECT_THAT([&] { PasswordFile::load(path); },
                ThrowsWithMessage<EPasswordFileError>(HasSubstr("linha 4: senha em forma")));
    write(path, "maria:" + hash.toUtf8() + "\nmaria:" + hash.toUtf8() + "\n");
    EXPECT_THAT([&] { PasswordFile::load(path); }, ThrowsWithMessage<EPasswordFileError>(HasSubstr(
                                                       "linha 2: usuário maria repetido")));
    EXPECT_THROW(PasswordFile::load(dir.filePath("nenhum")), EPasswordFileError);
}
