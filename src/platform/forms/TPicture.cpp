#include "platform/forms/TPicture.h"

#include "platform/forms/FormsExceptions.h"

namespace ger {

TPicture TPicture::FromFormData(const QByteArray& data) {
    TPicture picture;
    if (data.isEmpty())
        return picture;
    const int nameLength = static_cast<quint8>(data[0]);
    if (1 + nameLength > data.size())
        throw EInvalidGraphic(QStringLiteral("Picture data is not valid: truncated class name"));
    const QString className = QString::fromLatin1(data.mid(1, nameLength));
    if (className != QLatin1String("TBitmap"))
        throw EInvalidGraphic(QStringLiteral("Unsupported picture class %1").arg(className));
    const QByteArray graphic = data.mid(1 + nameLength);
    if (graphic.isEmpty())
        throw EInvalidGraphic(
            QStringLiteral("Picture data is not valid: no bitmap after the class name"));
    picture.m_bitmap = TBitmap::FromFormData(graphic);
    return picture;
}

} // namespace ger
