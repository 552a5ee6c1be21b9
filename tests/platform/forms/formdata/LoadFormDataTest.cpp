#include "platform/forms/formdata/LoadFormData.h"

#include "FormDataProbes.h"
#include "platform/core/Exception.h"
#include "support/ThrowsWithMessage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ger;
using namespace ger::test;

namespace {

class LoadFormDataTest : public testing::Test {
protected:
    QString write(const QString& name, const QByteArray& content) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }

    QTemporaryDir dir;
    TProbeForm form{nullptr};
    HandlerTable handlers;
};

TEST_F(LoadFormDataTest, ReadsUtf8FormDataFromAPath) {
    const QString path =
        write("form.dfm", "object frmTest: TProbeForm\n  Caption = 'Operação'\nend\n");
    LoadFormDataResource(&form, path, handlers);
    EXPECT_EQ(form.value("Caption").text, QString::fromUtf8("Operação"));
    EXPECT_EQ(form.loadedOrder, QStringList({"frmTest"}));
}

TEST_F(LoadFormDataTest, AMissingResourceIsALoadErrorNamingIt) {
    EXPECT_THAT([&] { LoadFormDataResource(&form, ":/forms/NoSuchForm.dfm", handlers); },
                ThrowsWithMessage<EFormDataError>(testing::HasSubstr(":/forms/NoSuchForm.dfm")));
    EXPECT_FALSE(form.IsLoading());
}

TEST_F(LoadFormDataTest, ASyntaxErrorInTheLastFileTouchesNothing) {
    const QString base = write(
        "base.dfm", "object frmBase: TProbeForm\n  object panFilial: TProbePanel\n  end\nend\n");
    const QString broken =
        write("derived.dfm", "inherited frmDerived: TProbeForm\n  Caption = 'x\nend\n");
    EXPECT_THAT(
        [&] {
            LoadFormDataResources(&form, {base, broken}, handlers);
        },
        ThrowsWithMessage<EFormDataError>(
            testing::StartsWith((broken + QLatin1String(", line 2: ")).toStdString())));
    EXPECT_EQ(form.ComponentCount(), 0);
    EXPECT_TRUE(form.propertiesRead.isEmpty());
}

TEST_F(LoadFormDataTest, AChainOfFilesIsOneLoad) {
    const QString base = write(
        "base.dfm", "object frmBase: TProbeBase\n  object panFilial: TProbePanel\n  end\nend\n");
    const QString own = write("own.dfm", "inherited frmTest: TProbeForm\n  inherited panFilial: "
                                         "TProbePanel\n    Left = 2\n  end\nend\n");
    LoadFormDataResources(&form, {base, own}, handlers, {"TProbeBase"});
    EXPECT_EQ(form.Name(), "frmTest");
    EXPECT_EQ(form.loadedOrder, QStringList({"panFilial", "frmTest"}));
}

TEST_F(LoadFormDataTest, OversizedFormDataIsRefusedBeforeParsing) {
    const QString path = write("huge.dfm", QByteArray(MaxFormDataSize + 1, ' '));
    EXPECT_THROW(ReadFormDataResource(path), EFormDataError);
}

} // namespace
