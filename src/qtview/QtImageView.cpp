#include "qtview/QtImageView.h"

#include "platform/forms/TImage.h"
#include "qtview/QtBitmaps.h"

#include <QPainter>
#include <QWidget>

namespace ger {

QtImageView::QtImageView(TImage& image, QWidget* parent)
    : QtControlView(image, new QWidget(parent)) {
    Widget()->setFocusPolicy(Qt::NoFocus);
}

void QtImageView::ConnectSignals() {
    connect(static_cast<TImage*>(Control()), &TImage::pictureChanged, Widget(),
            qOverload<>(&QWidget::update));
}

bool QtImageView::Paint(QWidget* source) {
    const auto* model = static_cast<const TImage*>(Control());
    if (source != Widget())
        return false;
    if (!model->Picture().HasGraphic())
        return true;
    const TBitmap& bitmap = model->Picture().Bitmap();
    const QImage image =
        model->Transparent() ? ToQImage(bitmap, bitmap.TransparentColor()) : ToQImage(bitmap);
    QPainter painter(source);
    const QRect area = source->rect();
    if (model->Stretch()) {
        painter.drawImage(area, image);
        return true;
    }
    QRect target(QPoint(0, 0), image.size());
    if (model->Center())
        target.moveCenter(area.center());
    painter.drawImage(target.topLeft(), image);
    return true;
}

} // namespace ger
