// ger-formgen: writes the C++ that a screen's form data implies (FormClassWriter.h), at build
// time, so that a component or handler the form data names and the class lacks is a build
// error rather than a load error at run time.
//
//   ger-formgen --source-root src --class TfrmTpOperFil --base
//   src/framework/forms/frmPadrImportExport.dfm
//               --form src/module/Cli_ger99500.dfm
//               --header build/generated/module/TfrmTpOperFil_form.h
//               --source build/generated/module/TfrmTpOperFil_form.cpp
//
// A file whose text would not change is left alone, so that nothing rebuilds for nothing.

#include "platform/core/Exception.h"
#include "platform/forms/formdata/FormDataParser.h"
#include "tools/formgen/FormClassModel.h"
#include "tools/formgen/FormClassWriter.h"
#include "tools/formgen/HeaderIndex.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

using namespace ger;
using namespace ger::formgen;

namespace {

FormDataDocument readDocument(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EFormDataError(
            QStringLiteral("%1: cannot be read: %2").arg(path, file.errorString()));
    return FormDataParser::parseUtf8(file.readAll(), path);
}

void writeIfChanged(const QString& path, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    QFile file(path);
    if (file.open(QIODevice::ReadOnly) && file.readAll() == bytes)
        return;
    file.close();
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw EFormDataError(
            QStringLiteral("%1: cannot be written: %2").arg(path, file.errorString()));
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("Writes a screen class's members, bindings and handler table from its "
                       "form data."));
    options.addHelpOption();
    const QCommandLineOption sourceRoot(QStringLiteral("source-root"),
                                        QStringLiteral("Where class headers are (repeatable)."),
                                        QStringLiteral("dir"));
    const QCommandLineOption className(QStringLiteral("class"),
                                       QStringLiteral("The screen's class, its file's root."),
                                       QStringLiteral("name"));
    const QCommandLineOption base(QStringLiteral("base"),
                                  QStringLiteral("The base form's form data."),
                                  QStringLiteral("file"));
    const QCommandLineOption form(QStringLiteral("form"),
                                  QStringLiteral("The screen's own form data."),
                                  QStringLiteral("file"));
    const QCommandLineOption header(QStringLiteral("header"),
                                    QStringLiteral("The header to write."), QStringLiteral("file"));
    const QCommandLineOption source(QStringLiteral("source"),
                                    QStringLiteral("The source file to write."),
                                    QStringLiteral("file"));
    options.addOptions({sourceRoot, className, base, form, header, source});
    options.process(app);
    for (const QCommandLineOption& required : {sourceRoot, className, base, form, header, source})
        if (!options.isSet(required)) {
            std::fprintf(stderr, "ger-formgen: --%s is missing\n",
                         qPrintable(required.names().first()));
            return 2;
        }
    try {
        const FormClassModel model = FormClassModel::Read(readDocument(options.value(base)),
                                                          readDocument(options.value(form)));
        if (model.className != options.value(className))
            throw EFormDataError(
                QStringLiteral("%1: the root is a %2, not the class %3")
                    .arg(options.value(form), model.className, options.value(className)));
        const GeneratedFiles files = WriteFormClass(model, HeaderIndex(options.values(sourceRoot)));
        writeIfChanged(options.value(header), files.header);
        writeIfChanged(options.value(source), files.source);
    } catch (const Exception& e) {
        std::fprintf(stderr, "ger-formgen: error: %s\n", qPrintable(e.Message()));
        return 1;
    }
    return 0;
}
