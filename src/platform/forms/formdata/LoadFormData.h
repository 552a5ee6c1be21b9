#pragma once
// Loading a form's data in one call. Forms carry their form data as Qt resources under
// /forms, embedded at build time by the CMake function ger_embed_form_data
// (cmake/FormData.cmake):
//
//   LoadFormDataResource(this, ":/forms/Cli_ger99500.dfm", handlers);
//   LoadFormDataResources(this, {":/forms/PadrImportExport.dfm", ":/forms/Cli_ger99500.dfm"},
//                         handlers, {"TfrmPadrImportExport"});   // base form's file first
//
// The files are UTF-8. All files of one call are one load (FormDataLoader): Loaded() runs
// once per component after the last file, and any error undoes the whole call.

#include "platform/core/HandlerTable.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace ger {

class TComponent;

// Form data larger than this is refused before parsing: no form comes near it.
inline constexpr qint64 MaxFormDataSize = 16 * 1024 * 1024;

void LoadFormData(TComponent* root, const QString& text, const QString& source,
                  const HandlerTable& handlers, const QStringList& rootBaseClasses = {});

void LoadFormDataResource(TComponent* root, const QString& path, const HandlerTable& handlers,
                          const QStringList& rootBaseClasses = {});

void LoadFormDataResources(TComponent* root, const QStringList& paths, const HandlerTable& handlers,
                           const QStringList& rootBaseClasses = {});

// The bytes of a form data resource (or file); EFormDataError when it cannot be read.
QByteArray ReadFormDataResource(const QString& path);

} // namespace ger
