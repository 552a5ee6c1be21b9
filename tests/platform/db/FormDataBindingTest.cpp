#include "DbTestSupport.h"
#include "platform/core/ComponentRegistry.h"
#include "platform/core/Exception.h"
#include "platform/db/EDatabaseError.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TStringField.h"

#include <gtest/gtest.h>

using namespace ger;
using namespace ger::test;

namespace {

// Reads properties the way the form data loader does: create through the registry, name,
// attach to the enclosing component, then read the properties.
class FormDataBindingTest : public ::testing::Test {
protected:
    template <class T> T* Create(const char* className, const char* name, TComponent* parent) {
        TComponent* component = ComponentRegistry::Create(QString::fromLatin1(className), &form);
        component->SetName(QString::fromLatin1(name));
        component->SetParentComponent(parent);
        return dynamic_cast<T*>(component);
    }

    TComponent form{nullptr};
    TestFormDataContext context{&form};
    QStringList calls;
};

} // namespace

TEST_F(FormDataBindingTest, DataSetFieldsAndDataSourceLoadAsDeclared) {
    context.handlers.add<void(TDataSet*)>("cdsTpOperFilBeforeInsert",
                                          [this](TDataSet*) { calls << "BeforeInsert"; });
    context.handlers.add<void(TField*, QString&, bool)>(
        "cdsTpOperFilIDLIBERADOGetText",
        [](TField* f, QString& text, bool) { text = f->AsString() == "N" ? "Não" : "Sim"; });
    context.handlers.add<void(TObject*)>("dtsTpOperFilStateChange",
                                         [this](TObject*) { calls << "StateChange"; });

    auto* cds = Create<TClientDataSet>("TClientDataSet", "cdsTpOperFil", &form);
    ASSERT_NE(cds, nullptr);
    for (const FormDataProperty& p :
         {Ident("BeforeInsert", "cdsTpOperFilBeforeInsert"), Int("Left", 400), Int("Top", 8)})
        cds->ReadProperty(p, context);
    FormDataProperty aggregates;
    aggregates.name = "Aggregates";
    aggregates.value.kind = FormDataValue::Kind::Collection;
    cds->ReadProperty(aggregates, context);

    auto* field = Create<TStringField>("TStringField", "cdsTpOperFilIDLIBERADO", cds);
    ASSERT_NE(field, nullptr);
    FormDataProperty flags;
    flags.name = "ProviderFlags";
    flags.value.kind = FormDataValue::Kind::Set;
    flags.value.items = QStringList({"pfInUpdate"});
    for (const FormDataProperty& p :
         {Str("DisplayLabel", "Liberado"), Str("FieldName", "IDLIBERADO"), Int("Size", 1),
          Ident("FixedChar", "True"), Str("Origin", "TPOPERFIL.IDLIBERADO"), Int("DisplayWidth", 8),
          Ident("OnGetText", "cdsTpOperFilIDLIBERADOGetText"), flags})
        field->ReadProperty(p, context);

    auto* dts = Create<TDataSource>("TDataSource", "dtsTpOperFil", &form);
    for (const FormDataProperty& p :
         {Ident("DataSet", "cdsTpOperFil"), Ident("OnStateChange", "dtsTpOperFilStateChange")})
        dts->ReadProperty(p, context);

    EXPECT_EQ(field->DataSet(), cds);
    EXPECT_EQ(field->Size(), 1);
    EXPECT_TRUE(field->FixedChar());
    EXPECT_EQ(field->DisplayWidth(), 8);
    EXPECT_EQ(field->ProviderFlags(), QStringList({"pfInUpdate"}));
    EXPECT_EQ(dts->DataSet(), cds);

    cds->SetData(Packet({{"IDLIBERADO", 1}}, {{V("N")}}));
    EXPECT_EQ(field->DisplayText(), "Não");
    cds->Insert();
    EXPECT_EQ(calls, QStringList({"StateChange", "BeforeInsert", "StateChange"}));
}

TEST_F(FormDataBindingTest, ActiveTrueIsDeferredToTheEndOfLoading) {
    auto* cds = Create<TClientDataSet>("TClientDataSet", "cdsVd_OperCli", &form);
    auto* field = Create<TStringField>("TStringField", "cdsVd_OperCliCDTIPOOPER", cds);
    field->ReadProperty(Str("FieldName", "CDTIPOOPER"), context);
    cds->BeginLoading();
    cds->ReadProperty(Ident("Active", "True"), context);
    EXPECT_FALSE(cds->Active());
    EXPECT_THROW(cds->EndLoading(), EDatabaseError); // no data: nothing to open
}

struct BadProperty {
    const char* name;
    FormDataProperty property;
};

class FieldBadPropertyTest : public ::testing::TestWithParam<BadProperty> {};

TEST_P(FieldBadPropertyTest, IsALoadError) {
    TComponent form(nullptr);
    TestFormDataContext context(&form);
    TStringField field(&form);
    field.SetName("cdsX");
    EXPECT_THROW(field.ReadProperty(GetParam().property, context), EFormDataError);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FieldBadPropertyTest,
    ::testing::Values(BadProperty{"UnknownProperty", Int("Colour", 3)},
                      BadProperty{"WrongKind", Ident("Size", "big")},
                      BadProperty{"UnknownHandler", Ident("OnGetText", "nothing")},
                      BadProperty{"LookupField", Ident("FieldKind", "fkLookup")}),
    [](const auto& c) { return std::string(c.param.name); });

TEST(FormDataParentTest, FieldOutsideADataSetIsALoadError) {
    TComponent form(nullptr);
    TStringField field(&form);
    EXPECT_THROW(field.SetParentComponent(&form), EFormDataError);
}

TEST(FormDataParentTest, DataSourcePointingAtANonDataSetIsALoadError) {
    TComponent form(nullptr);
    TestFormDataContext context(&form);
    auto* other = new TComponent(&form);
    other->SetName("panFilial");
    TDataSource dts(&form);
    EXPECT_THROW(dts.ReadProperty(Ident("DataSet", "panFilial"), context), EFormDataError);
}
