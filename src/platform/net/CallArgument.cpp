#include "platform/net/CallArgument.h"

namespace ger {

bool CallArgument::isKnownKind(quint8 kind) {
    switch (static_cast<Kind>(kind)) {
    case Kind::String:
    case Kind::StringByRef:
    case Kind::Variant:
        return true;
    }
    return false;
}

} // namespace ger
