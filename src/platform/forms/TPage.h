#pragma once
// TPage: one page of a TNotebook, filling it (alClient). Form data declares pages nested in
// their notebook, without a name (`object TPage Caption = 'Cliente' ... end`).

#include "platform/forms/TWinControl.h"

namespace ger {

class TNotebook;

class TPage : public TWinControl {
    Q_OBJECT
public:
    explicit TPage(TComponent* AOwner);
    ~TPage() override;
    QString ClassName() const override { return QStringLiteral("TPage"); }

    TNotebook* Notebook() const { return m_notebook; }
    void SetNotebook(TNotebook* notebook);

    void SetParentComponent(TComponent* parent) override;

private:
    friend class TNotebook;
    TNotebook* m_notebook = nullptr;
};

} // namespace ger
