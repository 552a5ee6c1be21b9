#include "tools/formgen/HeaderIndex.h"

#include "platform/core/Exception.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ger;
using namespace ger::formgen;

namespace {

class HeaderIndexTest : public testing::Test {
protected:
    void Touch(const QString& path) {
        QDir(tree.path()).mkpath(QFileInfo(tree.filePath(path)).path());
        QFile file(tree.filePath(path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QTemporaryDir tree;
};

} // namespace

TEST_F(HeaderIndexTest, FindsTheOneHeaderNamedAfterTheClassUnderAnyRoot) {
    Touch("src/platform/forms/TEdit.h");
    Touch("src/platform/forms/TEdit.cpp");
    Touch("tests/cases/TfrmCaso.h");
    const HeaderIndex index(
        {tree.filePath("src"), tree.filePath("tests/cases"), tree.filePath("src/")});
    EXPECT_EQ(index.HeaderOf("TEdit"), "platform/forms/TEdit.h")
        << "a root given twice is indexed once";
    EXPECT_EQ(index.HeaderOf("TfrmCaso"), "TfrmCaso.h");
    EXPECT_THROW(index.HeaderOf("TEdi"), EFormDataError);
    EXPECT_THROW(index.HeaderOf("tedit"), EFormDataError) << "C++ names are case-sensitive";
}

TEST_F(HeaderIndexTest, TwoHeadersOfOneNameAreRefused) {
    Touch("src/a/TEdit.h");
    Touch("src/b/TEdit.h");
    const HeaderIndex index({tree.filePath("src")});
    EXPECT_THROW(index.HeaderOf("TEdit"), EFormDataError);
}
