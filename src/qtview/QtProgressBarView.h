#pragma once
// QtProgressBarView: a progress bar (TProgressBar) as a QProgressBar with the model's range,
// position and orientation. It shows; it takes no input.

#include "qtview/QtControlView.h"

class QProgressBar;

namespace ger {

class TProgressBar;

class QtProgressBarView : public QtControlView {
    Q_OBJECT
public:
    QtProgressBarView(TProgressBar& bar, QWidget* parent);
    QProgressBar* ProgressBar() const;

protected:
    void ConnectSignals() override;
    void SyncContent() override;
};

} // namespace ger
