// The toolkit's FormatMaskText is how a string field's EditMask shows in its DisplayText
// (grid cells, data-aware edits without the focus): installed when this library loads.

#include "platform/db/TStringField.h"
#include "platform/forms/MaskPattern.h"

namespace ger {
namespace {

const bool maskFormatterInstalled = [] {
    TStringField::SetMaskFormatter(&FormatMaskText);
    return true;
}();

} // namespace
} // namespace ger
