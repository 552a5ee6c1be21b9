#pragma once
// QtScreenCursor: the model's screen cursor (TScreen::Cursor) as Qt's application override
// cursor: any cursor but crDefault sets (or changes) the override, crDefault removes the one
// this object set. Removing it also when the object goes leaves Qt's cursor as it found it.

#include "platform/forms/ControlTypes.h"

#include <QObject>

namespace ger {

class QtScreenCursor : public QObject {
    Q_OBJECT
public:
    QtScreenCursor();
    ~QtScreenCursor() override;

    bool IsOverriding() const { return m_overriding; }

private:
    void follow(TCursor cursor);

    bool m_overriding = false;
};

} // namespace ger
