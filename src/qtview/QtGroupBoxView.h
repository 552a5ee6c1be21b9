#pragma once
// QtGroupBoxView: a group box (TGroupBox) as a QGroupBox with the caption as its title. The
// children keep the model's coordinates (the model already lays them out below the caption).

#include "qtview/QtContainerView.h"

class QGroupBox;

namespace ger {

class TGroupBox;

class QtGroupBoxView : public QtContainerView {
    Q_OBJECT
public:
    QtGroupBoxView(TGroupBox& box, QWidget* parent);
    QGroupBox* GroupBox() const;

protected:
    void SyncContent() override;
};

} // namespace ger
