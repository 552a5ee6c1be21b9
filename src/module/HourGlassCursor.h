#pragma once
// The screen cursor as an hourglass while a screen is being created and shown, and the default
// cursor again afterwards, on every path: a creation that fails (a server that cannot be
// reached, a failed load) must not leave the whole application under an hourglass.
//
//   HourGlassCursor wait;
//   ... create and show the screen ...   // the default cursor once `wait` ends

#include "platform/forms/TScreen.h"

namespace ger {

class HourGlassCursor {
public:
    HourGlassCursor() { Screen().SetCursor(crHourGlass); }
    ~HourGlassCursor() { Screen().SetCursor(crDefault); }

    HourGlassCursor(const HourGlassCursor&) = delete;
    HourGlassCursor& operator=(const HourGlassCursor&) = delete;
};

} // namespace ger
