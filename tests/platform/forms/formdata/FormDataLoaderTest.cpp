#include "platform/forms/formdata/FormDataLoader.h"

#include "FormDataProbes.h"
#include "platform/core/Exception.h"
#include "platform/core/HandlerTable.h"
#include "platform/forms/formdata/FormDataParser.h"
#include "platform/forms/formdata/LoadFormData.h"
#include "support/ThrowsWithMessage.h"

#include <gtest/gtest.h>

using namespace ger;
using namespace ger::test;

namespace {

const char* const BranchForm = R"(object frmTest: TProbeForm
  Caption = 'Tipo de Opera'#231#227'o por Filial'
  object panFilial: TProbePanel
    OnExit = panFilialExit
    object medFilial: TProbeEdit
      Text = '0001'
      OnChange = medFilialChange
      DataSource = dtsFilial
    end
  end
  object dbgPadrao: TProbeEdit
    Columns = <
      item
        FieldName = 'OPERACAO'
      end>
    DataSource = frmTest
  end
  object dtsFilial: TProbePanel
    Left = 8
  end
end
)";

class FormDataLoaderTest : public testing::Test {
protected:
    FormDataLoaderTest() {
        handlers.add<void(TObject*)>("panFilialExit",
                                     [this](TObject* sender) { exits.append(sender); });
        handlers.add<void(TObject*)>("medFilialChange",
                                     [this](TObject* sender) { changes.append(sender); });
        handlers.add<void(TObject*, QChar&)>("medFilialKeyPress",
                                             [](TObject*, QChar& key) { key = QChar(); });
    }

    void load(const QString& text, const QStringList& bases = {}) {
        LoadFormData(&form, text, "test.dfm", handlers, bases);
    }
    template <class T = TProbe> T* find(const char* name) const {
        return form.Find<T>(QLatin1String(name));
    }

    TComponent application{nullptr};
    TProbeForm& form = *new TProbeForm(&application);
    HandlerTable handlers;
    QList<TObject*> exits;
    QList<TObject*> changes;
};

TEST_F(FormDataLoaderTest, NestedObjectsAreOwnedByTheRootAndParentedByTheirEnclosingObject) {
    load(QString::fromUtf8(BranchForm));
    EXPECT_EQ(form.value("Caption").text, "Tipo de Operação por Filial");
    ASSERT_EQ(form.ComponentCount(), 4);
    auto* panel = find<TProbePanel>("panFilial");
    auto* edit = find<TProbeEdit>("medFilial");
    ASSERT_TRUE(panel && edit);
    EXPECT_EQ(edit->Owner(), &form);
    EXPECT_EQ(edit->parentComponent, panel);
    EXPECT_EQ(panel->parentComponent, &form);
    EXPECT_TRUE(edit->loadingWhenParented);
    EXPECT_EQ(edit->text, "0001");
    EXPECT_EQ(find("dtsFilial")->left, 8);
    const FormDataValue& columns = find("dbgPadrao")->value("Columns");
    ASSERT_EQ(columns.collection.size(), 1u);
    EXPECT_EQ(columns.collection.at(0).properties.at(0).value.text, "OPERACAO");
}

TEST_F(FormDataLoaderTest, EventPropertiesBindTheNamedHandlers) {
    load(QString::fromUtf8(BranchForm));
    auto* panel = find("panFilial");
    auto* edit = find("medFilial");
    ASSERT_TRUE(panel->OnExit && edit->OnChange);
    panel->OnExit(panel);
    edit->OnChange(edit);
    EXPECT_EQ(exits, QList<TObject*>({panel}));
    EXPECT_EQ(changes, QList<TObject*>({edit}));
}

TEST_F(FormDataLoaderTest, ReferencesResolveForwardBackwardAndToTheRoot) {
    load(QString::fromUtf8(BranchForm));
    EXPECT_EQ(find("medFilial")->DataSource, find("dtsFilial"));
    EXPECT_EQ(find("dbgPadrao")->DataSource, &form);
}

TEST_F(FormDataLoaderTest, LoadedRunsOncePerComponentRootLastAndLoadingEnds) {
    load(QString::fromUtf8(BranchForm));
    EXPECT_EQ(form.loadedOrder,
              QStringList({"panFilial", "medFilial", "dbgPadrao", "dtsFilial", "frmTest"}));
    EXPECT_FALSE(form.IsLoading());
    for (int i = 0; i < form.ComponentCount(); ++i) {
        EXPECT_FALSE(form.Components(i)->IsLoading()) << form.Components(i)->Name().toStdString();
        EXPECT_EQ(dynamic_cast<TProbe*>(form.Components(i))->loadedCount, 1);
    }
}

TEST_F(FormDataLoaderTest, LoadingFiresNoOnChangeButLaterChangesDo) {
    load(QString::fromUtf8(BranchForm));
    auto* edit = find("medFilial");
    EXPECT_EQ(edit->changeCount, 0);
    EXPECT_TRUE(changes.isEmpty());
    edit->SetText("0002");
    EXPECT_EQ(edit->changeCount, 1);
    EXPECT_EQ(changes, QList<TObject*>({edit}));
}

TEST_F(FormDataLoaderTest, RootIsNamedAfterItsHeaderWithASuffixWhenTheNameIsTaken) {
    load("object frmTest: TProbeForm\nend");
    EXPECT_EQ(form.Name(), "frmTest");
    auto& second = *new TProbeForm(&application);
    LoadFormData(&second, "object frmTest: TProbeForm\nend", "second.dfm", handlers);
    EXPECT_EQ(second.Name(), "frmTest_1");
}

const char* const BaseForm = R"(object frmBase: TProbeForm
  Caption = 'Base'
  object panFilial: TProbePanel
    Caption = 'Filial'
    object medFilial: TProbeEdit
    end
  end
end
)";

const char* const DerivedForm = R"(inherited frmDerived: TProbeDerivedForm
  Caption = 'Derived'
  inherited panFilial: TProbePanel
    Left = 4
    inherited medFilial: TProbeEdit
      OnChange = medFilialChange
    end
    object btpFilial: TProbePanel
    end
  end
end
)";

class TProbeDerivedForm : public TProbeForm {
public:
    using TProbeForm::TProbeForm;
    QString ClassName() const override { return QStringLiteral("TProbeDerivedForm"); }
};

class FormDataInheritanceTest : public FormDataLoaderTest {
protected:
    TProbeDerivedForm& derived = *new TProbeDerivedForm(&application);
    FormDataDocument base = FormDataParser::parse(QString::fromUtf8(BaseForm), "base.dfm");
    FormDataDocument own = FormDataParser::parse(QString::fromUtf8(DerivedForm), "derived.dfm");
};

TEST_F(FormDataInheritanceTest, InheritedBlocksApplyOnTopOfTheBaseFormsComponents) {
    FormDataLoader loader(&derived, handlers, {"TProbeForm"});
    loader.read(base);
    loader.read(own);
    loader.finish();
    EXPECT_EQ(derived.Name(), "frmDerived");
    EXPECT_EQ(derived.value("Caption").text, "Derived");
    ASSERT_EQ(derived.ComponentCount(), 3);
    auto* panel = derived.Find<TProbe>("panFilial");
    EXPECT_EQ(panel->propertiesRead, QStringList({"Caption", "Left"}));
    EXPECT_TRUE(derived.Find<TProbe>("medFilial")->OnChange);
    EXPECT_EQ(derived.Find<TProbe>("btpFilial")->parentComponent, panel);
    EXPECT_EQ(derived.loadedOrder,
              QStringList({"panFilial", "medFilial", "btpFilial", "frmDerived"}));
}

TEST_F(FormDataInheritanceTest, FilesLoadedOneAfterTheOtherEachEndTheirOwnLoad) {
    LoadFormData(&derived, QString::fromUtf8(BaseForm), "base.dfm", handlers, {"TProbeForm"});
    LoadFormData(&derived, QString::fromUtf8(DerivedForm), "derived.dfm", handlers);
    EXPECT_EQ(derived.ComponentCount(), 3);
    EXPECT_EQ(derived.Find<TProbe>("panFilial")->loadedCount, 2);
    EXPECT_EQ(derived.Find<TProbe>("btpFilial")->loadedCount, 1);
}

TEST_F(FormDataInheritanceTest, AFailedDerivedFileRemovesOnlyWhatItCreated) {
    LoadFormData(&derived, QString::fromUtf8(BaseForm), "base.dfm", handlers, {"TProbeForm"});
    const QString broken = QString::fromUtf8(DerivedForm)
                               .replace("OnChange = medFilialChange", "DataSource = nothing");
    EXPECT_THROW(LoadFormData(&derived, broken, "derived.dfm", handlers), EFormDataError);
    ASSERT_EQ(derived.ComponentCount(), 2);
    auto* panel = derived.Find<TProbe>("panFilial");
    EXPECT_FALSE(panel->IsLoading());
    EXPECT_FALSE(derived.IsLoading());
    EXPECT_EQ(panel->loadedCount, 1);
    // Values read before the error stay: loading cannot take a property back.
    EXPECT_EQ(panel->left, 4);
    EXPECT_EQ(derived.Name(), "frmBase");
}

TEST_F(FormDataLoaderTest, InheritedInsideAnInlineFrameNamesTheFramesOwnComponent) {
    load(R"(object frmTest: TProbeForm
  inline fraEndereco: TProbeFrame
    inherited edtInner: TProbeEdit
      Text = 'Rua'
    end
  end
end)");
    auto* frame = find("fraEndereco");
    ASSERT_TRUE(frame);
    auto* inner = frame->Find<TProbe>("edtInner");
    EXPECT_EQ(inner->text, "Rua");
    EXPECT_EQ(inner->changeCount, 0);
    EXPECT_EQ(inner->loadedCount, 1);
}

TEST_F(FormDataLoaderTest, AFinishedOrFailedLoaderRefusesFurtherUse) {
    const FormDataDocument document =
        FormDataParser::parse("object frmTest: TProbeForm\nend", "a.dfm");
    FormDataLoader finished(&form, handlers);
    finished.read(document);
    finished.finish();
    EXPECT_THROW(finished.read(document), EFormDataError);
    EXPECT_THROW(finished.finish(), EFormDataError);

    FormDataLoader failed(&form, handlers);
    EXPECT_THROW(failed.read(FormDataParser::parse("object x: TOther\nend", "b.dfm")),
                 EFormDataError);
    EXPECT_THROW(failed.read(document), EFormDataError);
}

TEST_F(FormDataLoaderTest, AnAbandonedLoaderRollsBack) {
    {
        FormDataLoader loader(&form, handlers);
        loader.read(FormDataParser::parse(QString::fromUtf8(BranchForm), "a.dfm"));
        EXPECT_EQ(form.ComponentCount(), 4);
    }
    EXPECT_EQ(form.ComponentCount(), 0);
    EXPECT_FALSE(form.IsLoading());
    EXPECT_TRUE(form.loadedOrder.isEmpty());
}

struct LoadErrorCase {
    const char* name;
    QString text;
    int line;
    QString fragment;
};

void PrintTo(const LoadErrorCase& c, std::ostream* os) {
    *os << c.name;
}

class FormDataLoadError : public FormDataLoaderTest,
                          public testing::WithParamInterface<LoadErrorCase> {};

// Whatever fails, the error names file and line, and the form is left as it was before the
// load began: no components, not loading, no Loaded() run.
TEST_P(FormDataLoadError, NamesFileAndLineAndLeavesNoComponentBehind) {
    (new TProbePanel(&form))->SetName("panExisting");
    const QString where = QStringLiteral("test.dfm, line %1: ").arg(GetParam().line);
    EXPECT_THAT([&] { load(GetParam().text); },
                ThrowsWithMessage<EFormDataError>(
                    testing::AllOf(testing::StartsWith(where.toStdString()),
                                   testing::HasSubstr(GetParam().fragment.toStdString()))));
    ASSERT_EQ(form.ComponentCount(), 1);
    EXPECT_FALSE(form.Components(0)->IsLoading());
    EXPECT_FALSE(form.IsLoading());
    EXPECT_TRUE(form.loadedOrder.isEmpty());
    EXPECT_TRUE(form.Name().isEmpty());
}

const QString Head =
    QStringLiteral("object frmTest: TProbeForm\n  object panFilial: TProbePanel\n");

INSTANTIATE_TEST_SUITE_P(
    Load, FormDataLoadError,
    testing::Values(
        LoadErrorCase{"UnknownClass", Head + "  end\n  object x: TNoSuchClass\n  end\nend", 4,
                      "Unknown component class TNoSuchClass"},
        LoadErrorCase{"UnknownRootProperty", "object frmTest: TProbeForm\n  Colour = clRed\nend", 2,
                      "unknown property"},
        LoadErrorCase{"UnknownNestedProperty", Head + "    Colour = clRed\n  end\nend", 3,
                      "panFilial.Colour"},
        LoadErrorCase{"WrongValueKind", Head + "    Left = 'x'\n  end\nend", 3,
                      "an integer expected"},
        LoadErrorCase{"UnknownHandler", Head + "    OnExit = panFilialLeave\n  end\nend", 3,
                      "Unknown event handler 'panFilialLeave'"},
        LoadErrorCase{"WrongHandlerSignature", Head + "    OnKeyPress = panFilialExit\n  end\nend",
                      3, "does not fit"},
        LoadErrorCase{"HandlerOfAnotherEvent", Head + "    OnExit = medFilialKeyPress\n  end\nend",
                      3, "does not fit"},
        LoadErrorCase{"UnknownReference", Head + "    DataSource = dtsNothing\n  end\nend", 3,
                      "unknown component dtsNothing"},
        LoadErrorCase{"InheritedMissing",
                      Head + "    inherited medFilial: TProbeEdit\n    end\n  end\nend", 3,
                      "medFilial not found"},
        LoadErrorCase{"InheritedOfAnotherClass",
                      Head + "  end\n  inherited panExisting: TProbeEdit\n  end\nend", 4,
                      "is a TProbePanel, not a TProbeEdit"},
        LoadErrorCase{"InheritedWithoutName", Head + "  end\n  inherited TProbeEdit\n  end\nend", 4,
                      "needs a name"},
        LoadErrorCase{"ErrorAfterAnInheritedComponentWasTouched",
                      Head +
                          "  end\n  inherited panExisting: TProbePanel\n    Colour = 1\n  end\nend",
                      5, "panExisting.Colour"},
        LoadErrorCase{"RootOfAnotherClass", "object frmTest: TProbePanel\nend", 1,
                      "cannot be loaded into a TProbeForm"},
        LoadErrorCase{"DuplicateName", Head + "  end\n  object PANFILIAL: TProbeEdit\n  end\nend",
                      4, "already exists"},
        LoadErrorCase{"ParentRefused", Head + "    object tmr: TProbeLeaf\n    end\n  end\nend", 3,
                      "cannot be declared inside panFilial"}),
    [](const testing::TestParamInfo<LoadErrorCase>& param) { return param.param.name; });

TEST_F(FormDataLoaderTest, EveryTruncationFailsCleanlyAndLeavesTheFormEmpty) {
    const QString text = QString::fromUtf8(BranchForm);
    const qsizetype complete = text.lastIndexOf(QLatin1String("end")) + 3;
    for (qsizetype cut = 0; cut < complete; ++cut) {
        EXPECT_THROW(load(text.left(cut)), EFormDataError) << "cut at " << cut;
        ASSERT_EQ(form.ComponentCount(), 0) << "cut at " << cut;
        ASSERT_FALSE(form.IsLoading());
    }
    EXPECT_TRUE(form.loadedOrder.isEmpty());
}

} // namespace
