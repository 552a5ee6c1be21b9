// The form data parser (platform/forms FormDataLexer and FormDataParser) on arbitrary text
// read as UTF-8, as LoadFormData reads a form's file. A tree that parses is written back as
// text (FormDataWriter) and must parse again to the same tree; the parser raises nothing but
// EFormDataError, and its bound on nesting keeps deep input from exhausting the stack.

#include "FormDataEquality.h"
#include "FormDataWriter.h"
#include "FuzzSupport.h"
#include "platform/core/Exception.h"
#include "platform/forms/formdata/FormDataParser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ger::FormDataDocument document;
    try {
        document = ger::FormDataParser::parseUtf8(ger::fuzz::bytesOf(data, size),
                                                  QStringLiteral("fuzz.dfm"));
    } catch (const ger::EFormDataError&) {
        return 0;
    }
    const QString written = ger::fuzz::writeFormData(document.root);
    ger::FormDataDocument reparsed;
    try {
        reparsed = ger::FormDataParser::parse(written, QStringLiteral("written.dfm"));
    } catch (const ger::EFormDataError& error) {
        std::fprintf(stderr, "%s\n--- written as ---\n%s\n", error.what(), qPrintable(written));
        ger::fuzz::broken("form data written back from a parsed tree parses");
    }
    ger::fuzz::require(ger::fuzz::sameFormData(reparsed.root, document.root),
                       "form data written back parses to the same tree");
    return 0;
}
