#pragma once
// TImage: a picture drawn on its parent (a graphic control). With AutoSize the control takes
// the picture's size. Hidden images serve as picture sources for owner-drawn cells.
//
// Signals (besides TControl's): pictureChanged().

#include "platform/forms/TGraphicControl.h"
#include "platform/forms/TPicture.h"

namespace ger {

class TImage : public TGraphicControl {
    Q_OBJECT
public:
    explicit TImage(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TImage"); }

    const TPicture& Picture() const { return m_picture; }
    void SetPicture(const TPicture& picture);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool value);
    bool Stretch() const { return m_stretch; }
    void SetStretch(bool value);
    bool Center() const { return m_center; }
    void SetCenter(bool value);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value);

    void ReadProperty(const FormDataProperty& property, FormDataContext& context) override;

signals:
    void pictureChanged();

private:
    void fitPicture();

    TPicture m_picture;
    bool m_autoSize = false;
    bool m_stretch = false;
    bool m_center = false;
    bool m_transparent = false;
};

} // namespace ger
