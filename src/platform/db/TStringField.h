#pragma once
// A string field. Size is its width in characters (20 unless set, as on the platform):
// assigning a longer value stores only the first Size characters, so "Não" chosen for a
// one-character flag is stored as "N". FixedChar and Transliterate are kept as declared;
// values are neither padded nor converted.

#include "platform/db/TField.h"

#include <functional>

namespace ger {

class TStringField : public TField {
public:
    explicit TStringField(TComponent* AOwner);

    QString ClassName() const override { return QStringLiteral("TStringField"); }
    TFieldType DataType() const override { return ftString; }

    bool FixedChar() const { return m_fixedChar; }
    void SetFixedChar(bool fixedChar) { m_fixedChar = fixedChar; }
    bool Transliterate() const { return m_transliterate; }
    void SetTransliterate(bool transliterate) { m_transliterate = transliterate; }

    void SetAsString(const QString& value) override;

    void ReadProperty(const FormDataProperty& property, FormDataContext& context) override;

    // How DisplayText applies an EditMask: the toolkit layer installs its FormatMaskText here.
    // Without one, DisplayText shows the stored value unmasked.
    using MaskFormatter = std::function<QString(const QString& mask, const QString& value)>;
    static void SetMaskFormatter(MaskFormatter formatter);

protected:
    QString GetText(bool displayText) const override;

private:
    bool m_fixedChar = false;
    bool m_transliterate = true;
};

} // namespace ger
