#pragma once
// Key names of host scripts and the virtual keys they stand for.
//
//   ParseKeyName("Tab")      -> VK_TAB, no shift
//   ParseKeyName("F2")       -> VK_F2
//   ParseKeyName("a")        -> 'A', no shift (the key that types "a")
//   ParseKeyName("A")        -> 'A', Shift
//   ParseShiftName("ctrl")   -> ssCtrl
//
// Names match without regard to case, except a single character, which is the character that
// key types. A name that is no key (or a character no key types) gives nothing.

#include "platform/forms/Keys.h"

#include <QString>
#include <optional>
#include <utility>

namespace ger {

std::optional<std::pair<Word, TShiftState>> ParseKeyName(const QString& name);
std::optional<TShiftStateFlag> ParseShiftName(const QString& name);

} // namespace ger
