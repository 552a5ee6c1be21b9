#include "qtview/QtProgressBarView.h"

#include "platform/forms/TProgressBar.h"

#include <QProgressBar>

namespace ger {

QtProgressBarView::QtProgressBarView(TProgressBar& bar, QWidget* parent)
    : QtControlView(bar, new QProgressBar(parent)) {
    ProgressBar()->setFocusPolicy(Qt::NoFocus);
    ProgressBar()->setTextVisible(false);
}

QProgressBar* QtProgressBarView::ProgressBar() const {
    return static_cast<QProgressBar*>(Widget());
}

void QtProgressBarView::ConnectSignals() {
    connect(static_cast<TProgressBar*>(Control()), &TProgressBar::positionChanged, this,
            &QtProgressBarView::SyncContent);
}

void QtProgressBarView::SyncContent() {
    const auto* model = static_cast<const TProgressBar*>(Control());
    if (!model)
        return;
    QProgressBar* bar = ProgressBar();
    bar->setOrientation(model->Orientation() == pbVertical ? Qt::Vertical : Qt::Horizontal);
    bar->setRange(model->Min(), model->Max());
    bar->setValue(model->Position());
}

} // namespace ger
