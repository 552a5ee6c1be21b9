// The decorative graphic controls read their looks from form data and never take the focus.

#include "FormsTestSupport.h"
#include "platform/forms/TBevel.h"
#include "platform/forms/TShape.h"
#include "platform/forms/formdata/LoadFormData.h"
#include "script/ScriptedUser.h"

using namespace ger;
using namespace ger::formstest;

namespace {

class BevelShapeTest : public FormsTest {};

TEST_F(BevelShapeTest, LookComesFromFormDataAndAClickLeavesTheFocus) {
    HandlerTable handlers;
    LoadFormData(form, QStringLiteral(R"(object frmDecor: TForm
  object edtA: TEdit
  end
  object bvlLinha: TBevel
    Shape = bsTopLine
    Style = bsRaised
  end
  object shpSinal: TShape
    Shape = stCircle
    Brush.Color = clLime
    Pen.Color = clGreen
    Pen.Width = 2
  end
end
)"),
                 QStringLiteral("decor.dfm"), handlers);
    auto* bevel = form->Find<TBevel>("bvlLinha");
    auto* shape = form->Find<TShape>("shpSinal");
    ASSERT_NE(bevel, nullptr);
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(bevel->Shape(), bsTopLine);
    EXPECT_EQ(bevel->Style(), bsRaised);
    EXPECT_EQ(shape->Shape(), stCircle);
    EXPECT_EQ(shape->Brush().Color, clLime);
    EXPECT_EQ(shape->Pen(), (TPen{clGreen, 2}));

    form->Show();
    ScriptedUser user(*form);
    ASSERT_TRUE(user.Focus("edtA"));
    EXPECT_TRUE(user.Click("shpSinal"));
    EXPECT_EQ(user.FocusedName(), "edtA");
}

TEST_F(BevelShapeTest, UnknownShapesAreLoadErrors) {
    TestFormDataContext context(form);
    TBevel bevel(form);
    TShape shape(form);
    EXPECT_THROW(bevel.ReadProperty(identProperty("Shape", "bsCircle"), context), EFormDataError);
    EXPECT_THROW(shape.ReadProperty(identProperty("Shape", "stStar"), context), EFormDataError);
}

} // namespace
