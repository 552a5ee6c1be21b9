#include "TfrmSemHandler.h"

#include "platform/db/TClientDataSet.h"
#include "platform/forms/TEdit.h"

namespace ger {} // namespace ger
