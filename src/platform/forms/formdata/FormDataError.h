#pragma once
// Every form data error names the file it came from and the line, so that a person can go
// straight to the offending declaration: "frmTpOperFil.dfm, line 12: Unknown event handler".

#include "platform/core/Exception.h"

#include <QString>

namespace ger {

EFormDataError FormDataErrorAt(const QString& source, int line, const QString& message);

} // namespace ger
