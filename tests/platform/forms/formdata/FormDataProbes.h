#pragma once
// Small components for the form data tests: they record what loading did to them (properties
// read, parent given, Loaded() calls, OnChange calls) so the tests can check it.

#include "platform/core/FormDataContext.h"
#include "platform/core/TComponent.h"

#include <QHash>
#include <QPointer>
#include <QStringList>

namespace ger::test {

// Accepts any enclosing component, and the properties Caption, Items.Strings, Columns,
// Font.Style, Picture.Data (kept as read), Left (an integer), Text (through a setter that fires
// OnChange unless loading), OnExit, OnChange (TNotifyEvent), OnKeyPress (a handler with a var key)
// and DataSource (a reference). Anything else goes to TComponent, which refuses it.
class TProbe : public TComponent {
public:
    using TComponent::TComponent;
    QString ClassName() const override { return QStringLiteral("TProbe"); }

    void SetParentComponent(TComponent* parent) override {
        parentComponent = parent;
        loadingWhenParented = IsLoading();
    }
    void ReadProperty(const FormDataProperty& property, FormDataContext& context) override;

    void SetText(const QString& text);
    const FormDataValue& value(const QString& property) const;

    QHash<QString, FormDataValue> values;
    QStringList propertiesRead;
    QString text;
    qint64 left = 0;
    TNotifyEvent OnExit;
    TNotifyEvent OnChange;
    std::function<void(TObject*, QChar&)> OnKeyPress;
    QPointer<TComponent> DataSource;
    TComponent* parentComponent = nullptr;
    int loadedCount = 0;
    int changeCount = 0;
    bool loadingWhenParented = false;

protected:
    void Loaded() override;
};

// The root of the test forms; it collects the names of the components whose Loaded() ran.
class TProbeForm : public TProbe {
public:
    using TProbe::TProbe;
    QString ClassName() const override { return QStringLiteral("TProbeForm"); }
    QStringList loadedOrder;
};

class TProbePanel : public TProbe {
public:
    using TProbe::TProbe;
    QString ClassName() const override { return QStringLiteral("TProbePanel"); }
};

class TProbeEdit : public TProbe {
public:
    using TProbe::TProbe;
    QString ClassName() const override { return QStringLiteral("TProbeEdit"); }
};

// A frame: its constructor creates the component edtInner, owned by the frame itself.
class TProbeFrame : public TProbe {
public:
    explicit TProbeFrame(TComponent* owner);
    QString ClassName() const override { return QStringLiteral("TProbeFrame"); }
};

// Keeps TComponent's default SetParentComponent: only the form may enclose it.
class TProbeLeaf : public TComponent {
public:
    using TComponent::TComponent;
    QString ClassName() const override { return QStringLiteral("TProbeLeaf"); }
};

} // namespace ger::test
