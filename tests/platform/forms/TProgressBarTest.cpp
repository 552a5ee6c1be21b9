#include "platform/forms/TProgressBar.h"

#include "FormsTestSupport.h"
#include "platform/forms/FormsExceptions.h"

using namespace ger;
using namespace ger::formstest;

namespace {

class ProgressBarTest : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        bar = make<TProgressBar>(form, "pgbProgresso");
    }
    TProgressBar* bar = nullptr;
};

TEST_F(ProgressBarTest, PositionStaysInsideTheRange) {
    int changes = 0;
    QObject::connect(bar, &TProgressBar::positionChanged, [&] { ++changes; });
    bar->SetPosition(150);
    EXPECT_EQ(bar->Position(), 100);
    bar->SetPosition(-5);
    EXPECT_EQ(bar->Position(), 0);
    bar->SetPosition(0);
    EXPECT_EQ(changes, 2) << "no signal when nothing changed";
    bar->SetPosition(80);
    bar->SetMax(50);
    EXPECT_EQ(bar->Position(), 50) << "narrowing the range pulls the position in";
    EXPECT_DOUBLE_EQ(bar->Fraction(), 1.0);
}

TEST_F(ProgressBarTest, StepItAdvancesByStepUpToMax) {
    bar->SetRange(10, 35);
    bar->SetStep(10);
    bar->StepIt();
    bar->StepIt();
    EXPECT_EQ(bar->Position(), 30);
    EXPECT_DOUBLE_EQ(bar->Fraction(), 0.8);
    bar->StepIt();
    EXPECT_EQ(bar->Position(), 35);
    bar->StepBy(-100);
    EXPECT_EQ(bar->Position(), 10);
}

TEST_F(ProgressBarTest, AnInvertedRangeRaisesAndChangesNothing) {
    bar->SetPosition(40);
    EXPECT_THROW(bar->SetMin(101), EInvalidOperation);
    EXPECT_EQ(bar->Min(), 0);
    EXPECT_EQ(bar->Max(), 100);
    EXPECT_EQ(bar->Position(), 40);
    bar->SetRange(5, 5);
    EXPECT_DOUBLE_EQ(bar->Fraction(), 0.0) << "an empty range shows nothing";
}

TEST_F(ProgressBarTest, FormDataMayGiveThePositionBeforeTheRange) {
    TestFormDataContext context(form);
    form->BeginLoading();
    bar->ReadProperty(intProperty("Position", 150), context);
    bar->ReadProperty(intProperty("Max", 200), context);
    bar->ReadProperty(identProperty("Orientation", "pbVertical"), context);
    bar->EndLoading();
    form->EndLoading();
    EXPECT_EQ(bar->Position(), 150);
    EXPECT_EQ(bar->Max(), 200);
    EXPECT_EQ(bar->Orientation(), pbVertical);
    EXPECT_THROW(bar->ReadProperty(identProperty("Orientation", "pbDiagonal"), context),
                 EFormDataError);
}

} // namespace
