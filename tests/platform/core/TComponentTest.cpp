#include "platform/core/TComponent.h"

#include "platform/core/ComponentRegistry.h"
#include "platform/core/Exception.h"
#include "platform/core/HandlerTable.h"
#include "support/TestFormDataContext.h"

#include <gtest/gtest.h>

using namespace ger;

namespace {

struct Probe : TComponent {
    using TComponent::TComponent;
    ~Probe() override {
        if (log)
            log->append(Name());
    }
    QStringList* log = nullptr;
};

} // namespace

TEST(TComponentTest, OwnerFindsOwnedByNameWithoutRegardToCase) {
    TComponent form(nullptr);
    auto* edit = new TComponent(&form);
    edit->SetName("medFilial");
    EXPECT_EQ(form.FindComponent("MEDFILIAL"), edit);
    EXPECT_EQ(form.FindComponent("other"), nullptr);
    EXPECT_EQ(form.ComponentCount(), 1);
}

TEST(TComponentTest, DuplicateNameUnderOneOwnerIsRefused) {
    TComponent form(nullptr);
    (new TComponent(&form))->SetName("a");
    auto* b = new TComponent(&form);
    EXPECT_THROW(b->SetName("A"), EComponentError);
    EXPECT_TRUE(b->Name().isEmpty());
}

TEST(TComponentTest, OwnerDestroysOwnedInReverseOrderOfCreation) {
    QStringList log;
    {
        TComponent form(nullptr);
        for (const char* name : {"first", "second", "third"}) {
            auto* p = new Probe(&form);
            p->SetName(name);
            p->log = &log;
        }
        delete form.Components(1);
        EXPECT_EQ(form.ComponentCount(), 2);
    }
    EXPECT_EQ(log, QStringList({"second", "third", "first"}));
}

TEST(TComponentTest, UnknownPropertyIsALoadError) {
    TComponent c(nullptr);
    test::TestFormDataContext context;
    FormDataProperty p{"Colour", {}, 3};
    EXPECT_THROW(c.ReadProperty(p, context), EFormDataError);
}

TEST(HandlerTableTest, UnknownNameAndWrongSignatureAreLoadErrors) {
    HandlerTable table;
    int calls = 0;
    table.add<void(TObject*)>("medFilialExit", [&](TObject*) { ++calls; });
    table.get<void(TObject*)>("MEDFILIALEXIT")(nullptr);
    EXPECT_EQ(calls, 1);
    EXPECT_THROW(table.get<void(TObject*)>("medFilialEnter"), EFormDataError);
    EXPECT_THROW(table.get<void(int)>("medFilialExit"), EFormDataError);
}

TEST(ComponentRegistryTest, UnknownClassIsALoadError) {
    EXPECT_THROW(ComponentRegistry::Create("TNoSuchThing", nullptr), EFormDataError);
}
