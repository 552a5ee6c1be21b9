#include "qtview/QtLabelView.h"

#include "platform/forms/TLabel.h"

#include <QLabel>

namespace ger {

QtLabelView::QtLabelView(TLabel& label, QWidget* parent)
    : QtControlView(label, new QLabel(parent)) {
    Label()->setFocusPolicy(Qt::NoFocus);
    Label()->setTextFormat(Qt::PlainText);
}

QLabel* QtLabelView::Label() const {
    return static_cast<QLabel*>(Widget());
}

bool QtLabelView::FillsBackground() const {
    const auto* model = static_cast<const TLabel*>(Control());
    return model && !model->Transparent();
}

QRect QtLabelView::WidgetGeometry() const {
    QRect geometry = QtControlView::WidgetGeometry();
    const auto* model = static_cast<const TLabel*>(Control());
    if (model->AutoSize() && !model->WordWrap())
        geometry.setWidth(std::max(geometry.width(), Label()->sizeHint().width()));
    return geometry;
}

void QtLabelView::SyncContent() {
    const auto* model = static_cast<const TLabel*>(Control());
    if (!model)
        return;
    QLabel* label = Label();
    QString caption = model->Caption();
    caption.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QChar(1), QLatin1Char('&'));
    if (label->text() != caption)
        label->setText(caption);
    Qt::Alignment alignment = model->Alignment() == taCenter         ? Qt::AlignHCenter
                              : model->Alignment() == taRightJustify ? Qt::AlignRight
                                                                     : Qt::AlignLeft;
    alignment |= model->Layout() == tlCenter   ? Qt::AlignVCenter
                 : model->Layout() == tlBottom ? Qt::AlignBottom
                                               : Qt::AlignTop;
    label->setAlignment(alignment);
    label->setWordWrap(model->WordWrap());
    SyncGeometry();
}

} // namespace ger
