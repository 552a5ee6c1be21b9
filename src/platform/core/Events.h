#pragma once
// Event types of the platform. Events are plain callables named as on the platform
// (OnExit, OnChange, ...); `var` parameters are C++ references, so a handler can change them
// (a key set to 0 is swallowed). An empty callable means "no handler assigned".

#include <QObject>
#include <functional>

namespace ger {

using TObject = QObject;

using TNotifyEvent = std::function<void(TObject* Sender)>;

} // namespace ger
