#pragma once
// TScrollBox: a container whose content may scroll. The model keeps no scroll position; the
// renderer scrolls. A single border (the default) adds 2 pixels outside the client area.

#include "platform/forms/TWinControl.h"

namespace ger {

class TScrollBox : public TWinControl {
    Q_OBJECT
public:
    explicit TScrollBox(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TScrollBox"); }

    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle value);

    void ReadProperty(const FormDataProperty& property, FormDataContext& context) override;
    // A scroll box scrolls what it holds, so it needs no more than its border.
    QSize MinimumExtent() const override;

protected:
    int NonClientBorder() const override { return m_borderStyle == bsSingle ? 2 : 0; }

private:
    TBorderStyle m_borderStyle = bsSingle;
};

} // namespace ger
