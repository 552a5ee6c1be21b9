// The pictures of the base forms' toolbar buttons and of the lookup button: each a 16 x 16
// glyph whose bottom-left pixel, the colour a button leaves transparent, is olive, so that only
// the drawing shows on the button's face.

#include "FrameworkTestSupport.h"
#include "framework/TBtnPesquisa.h"
#include "framework/TButtonFlat.h"
#include "framework/TfrmPadrImportExport.h"
#include "framework/TfrmRotiGeral.h"
#include "platform/forms/TForm.h"
#include "platform/forms/formdata/LoadFormData.h"

#include <algorithm>
#include <functional>
#include <vector>

using namespace ger;
using namespace ger::fwtest;

namespace {

// Pixels of another colour than the transparent one: what the button actually shows.
long drawnPixels(const TBitmap& glyph) {
    const quint32 ground = glyph.Pixel(0, glyph.Height() - 1);
    return std::count_if(glyph.Pixels().begin(), glyph.Pixels().end(),
                         [ground](quint32 pixel) { return pixel != ground; });
}

void ExpectTransparentGlyph(const TSpeedButton& button) {
    SCOPED_TRACE(button.Name().toStdString());
    const TBitmap& glyph = button.Glyph();
    ASSERT_EQ(glyph.Width(), 16);
    ASSERT_EQ(glyph.Height(), 16);
    EXPECT_EQ(button.NumGlyphs(), 1);
    EXPECT_EQ(glyph.TransparentColor(), clOlive);
    EXPECT_GE(drawnPixels(glyph), 24) << "too little drawn to be recognised";
}

struct BaseFormButtons {
    const char* name;
    std::function<BaseScreenForm*()> create;
    std::vector<const char*> buttons;
};

class BaseFormGlyphsTest : public FrameworkTest,
                           public testing::WithParamInterface<BaseFormButtons> {};

TEST_P(BaseFormGlyphsTest, EveryToolbarButtonHasItsOwnTransparentGlyph) {
    BaseScreenForm* form = GetParam().create();
    std::vector<const TButtonFlat*> buttons;
    for (const char* name : GetParam().buttons) {
        const auto* button = form->Find<TButtonFlat>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        ExpectTransparentGlyph(*button);
        buttons.push_back(button);
    }
    for (std::size_t i = 0; i < buttons.size(); ++i)
        for (std::size_t j = i + 1; j < buttons.size(); ++j)
            EXPECT_NE(buttons[i]->Glyph(), buttons[j]->Glyph())
                << GetParam().buttons[i] << " and " << GetParam().buttons[j] << " look alike";
}

INSTANTIATE_TEST_SUITE_P(
    BaseForms, BaseFormGlyphsTest,
    testing::Values(BaseFormButtons{"frmRotiGeral",
                                    [] { return new TfrmRotiGeral(&Application()); },
                                    {"sbtConfirma", "sbtCancel", "sbtHelp"}},
                    BaseFormButtons{"frmPadrImportExport",
                                    [] { return new TfrmPadrImportExport(&Application()); },
                                    {"sbtImportExport", "sbtCancel", "sbtHelp"}}),
    [](const testing::TestParamInfo<BaseFormButtons>& param) { return param.param.name; });

using ToolbarGlyphsTest = FrameworkTest;

TEST_F(ToolbarGlyphsTest, BothBaseFormsDrawTheirCommonButtonsAlike) {
    auto* routine = new TfrmRotiGeral(&Application());
    auto* transfer = new TfrmPadrImportExport(&Application());
    EXPECT_EQ(routine->sbtCancel->Glyph(), transfer->sbtCancel->Glyph());
    EXPECT_EQ(routine->sbtHelp->Glyph(), transfer->sbtHelp->Glyph());
    EXPECT_NE(routine->sbtConfirma->Glyph(), transfer->sbtImportExport->Glyph());
}

// Two lookup buttons, the second with a glyph of its own: a 2 x 2 bitmap, 24 bits per pixel,
// olive and red in its bottom row, blue and white in its top row.
const char* const LookupButtonsForm = R"(object frmLupas: TForm
  object btpPadrao: TBtnPesquisa
    Left = 8
    Top = 8
  end
  object btpPropria: TBtnPesquisa
    Left = 40
    Top = 8
    Glyph.Data = {
      46000000424D4600000000000000360000002800000002000000020000000100
      18000000000010000000000000000000000000000000000000000080800000FF
      0000FF0000FFFFFF0000}
  end
end
)";

class LookupButtonGlyphTest : public FrameworkTest {
protected:
    TForm* Load() {
        auto* form = new TForm(&Application());
        LoadFormData(form, QString::fromLatin1(LookupButtonsForm), QStringLiteral("lupas"), {});
        return form;
    }
};

TEST_F(LookupButtonGlyphTest, ANewLookupButtonShowsTheTransparentMagnifier) {
    TBtnPesquisa button(nullptr);
    ExpectTransparentGlyph(button);
    EXPECT_EQ(button.Glyph(), TBtnPesquisa::DefaultGlyph());
}

TEST_F(LookupButtonGlyphTest, FormDataGlyphReplacesTheDefaultAndOnlyWhereGiven) {
    TForm* form = Load();
    const auto* standard = form->Find<TBtnPesquisa>(QStringLiteral("btpPadrao"));
    const auto* own = form->Find<TBtnPesquisa>(QStringLiteral("btpPropria"));
    ASSERT_NE(standard, nullptr);
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(standard->Glyph(), TBtnPesquisa::DefaultGlyph());
    const TBitmap& glyph = own->Glyph();
    ASSERT_EQ(glyph.Width(), 2);
    ASSERT_EQ(glyph.Height(), 2);
    EXPECT_EQ(glyph.Pixel(0, 0), 0xFF0000FFu);
    EXPECT_EQ(glyph.Pixel(1, 0), 0xFFFFFFFFu);
    EXPECT_EQ(glyph.Pixel(1, 1), 0xFFFF0000u);
    EXPECT_EQ(glyph.TransparentColor(), clOlive);
}

} // namespace
