#pragma once
// ScreenFormQueries: the query components of a screen's form data file, loaded as the screen
// loads them, for the tests that run every query text on the demo database. The texts live in
// the screens' form data only; this reads them from the source tree, so that a text changed
// in a screen is the text these tests run.
//
//   ScreenFormQueries queries("src/module/Cli_ger99500.dfm");
//   queries.Query("qryFilial")->Texts()         // the four texts, verbatim
//   queries.Document()                          // the file as parsed
//
// Only the TADOIBQuery blocks (with their fields) and the data sources on them are loaded;
// the screen's controls and handlers are left out.

#include "platform/core/TComponent.h"
#include "platform/forms/formdata/FormDataDocument.h"

#include <QString>

namespace ger {

class TADOIBQuery;
class TDataSource;

class ScreenFormQueries {
public:
    // `path`: relative to the project's source directory.
    explicit ScreenFormQueries(const QString& path);

    const FormDataDocument& Document() const { return m_document; }
    // The query or data source of that name; EFormDataError when the file declares none.
    TADOIBQuery* Query(const QString& name) const;
    TDataSource* DataSource(const QString& name) const;
    // The block of that name in the parsed file (any depth), or null.
    const FormDataObject* Block(const QString& name) const;

private:
    FormDataDocument m_document;
    TComponent m_root{nullptr};
};

} // namespace ger
