#include "qtview/QtKeys.h"

#include "QtViewTestSupport.h"

#include <QKeyEvent>
#include <gtest/gtest.h>

using namespace ger;

namespace {

struct StrokeCase {
    const char* name;
    int qtKey;
    Qt::KeyboardModifiers modifiers;
    QString text;
    KeyStroke::Kind kind;
    Word key;
    QChar character;
    TShiftState shift;
};

// Key events need the application's keyboard device.
class KeyStrokeTest : public ::testing::TestWithParam<StrokeCase> {
protected:
    static void SetUpTestSuite() { qtviewtest::EnsureApplication(); }
};

TEST_P(KeyStrokeTest, QtKeysBecomeTheModelsKeysOrCharacters) {
    const StrokeCase& c = GetParam();
    const QKeyEvent event(QEvent::KeyPress, c.qtKey, c.modifiers, c.text);
    const KeyStroke stroke = KeyStrokeOf(event);
    EXPECT_EQ(stroke.kind, c.kind);
    if (c.kind == KeyStroke::Kind::Character) {
        EXPECT_EQ(stroke.character, c.character);
    }
    if (c.kind == KeyStroke::Kind::Key) {
        EXPECT_EQ(stroke.key, c.key);
    }
    EXPECT_EQ(stroke.shift, c.shift);
}

const auto none = Qt::NoModifier;
const auto character = KeyStroke::Kind::Character;
const auto key = KeyStroke::Kind::Key;

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyStrokeTest,
    ::testing::Values(
        StrokeCase{"letter", Qt::Key_A, none, "a", character, 0, QChar('a'), {}},
        StrokeCase{"upper", Qt::Key_A, Qt::ShiftModifier, "A", character, 0, QChar('A'), ssShift},
        StrokeCase{"accented",
                   Qt::Key_Ccedilla,
                   none,
                   QString(QChar(0xE7)),
                   character,
                   0,
                   QChar(0xE7),
                   {}},
        StrokeCase{"space", Qt::Key_Space, none, " ", character, 0, QChar(' '), {}},
        StrokeCase{"enter", Qt::Key_Return, none, "\r", key, VK_RETURN, {}, {}},
        StrokeCase{"backspace", Qt::Key_Backspace, none, "\b", key, VK_BACK, {}, {}},
        StrokeCase{"backtab", Qt::Key_Backtab, Qt::ShiftModifier, "", key, VK_TAB, {}, ssShift},
        StrokeCase{
            "ctrlDelete", Qt::Key_Delete, Qt::ControlModifier, "", key, VK_DELETE, {}, ssCtrl},
        StrokeCase{"ctrlLetter", Qt::Key_C, Qt::ControlModifier, "\x03", key, 'C', {}, ssCtrl},
        StrokeCase{"f2", Qt::Key_F2, none, "", key, VK_F2, {}, {}},
        StrokeCase{"down", Qt::Key_Down, Qt::AltModifier, "", key, VK_DOWN, {}, ssAlt},
        StrokeCase{"insert", Qt::Key_Insert, none, "", key, VK_INSERT, {}, {}},
        StrokeCase{"pageDown", Qt::Key_PageDown, none, "", key, VK_NEXT, {}, {}},
        StrokeCase{"unknown", Qt::Key_VolumeUp, none, "", KeyStroke::Kind::None, 0, {}, {}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(CursorShapeTest, TheHourglassIsTheWaitCursorAndTheDefaultAnArrow) {
    EXPECT_EQ(CursorShapeOf(crHourGlass), Qt::WaitCursor);
    EXPECT_EQ(CursorShapeOf(crDefault), Qt::ArrowCursor);
    EXPECT_EQ(CursorShapeOf(crHandPoint), Qt::PointingHandCursor);
}

TEST(ShiftStateTest, ModifiersAndButtonsBecomeTheShiftState) {
    EXPECT_EQ(ShiftStateOf(Qt::ShiftModifier | Qt::ControlModifier, Qt::LeftButton),
              TShiftState(ssShift) | ssCtrl | ssLeft);
    EXPECT_EQ(ShiftStateOf(Qt::AltModifier), TShiftState(ssAlt));
}

} // namespace
