#include "controls/choice.h"
#include "controls/text.h"

#include <gtest/gtest.h>

namespace pesavia {
namespace {

struct ComboFixture : testing::Test {
    ComboBox combo;
    int selections = 0;
    void SetUp() override {
        for (const char* item : {"F-JABC", "59-DX", "F-JXYZ"}) combo.addItem(item);
        combo.OnSelect = [this] { ++selections; };
    }
};

TEST_F(ComboFixture, typedPrefixInAnyCaseSelectsCompletesAndRunsTheHandler) {
    combo.type("f-jx");
    EXPECT_EQ(combo.itemIndex(), 2);
    EXPECT_EQ(combo.text(), "F-JXYZ");
    EXPECT_EQ(selections, 1);
}

TEST_F(ComboFixture, textThatBeginsNoItemLeavesNoSelection) {
    combo.pick(1);
    combo.type("f-new");
    EXPECT_EQ(combo.itemIndex(), -1);
    EXPECT_EQ(combo.text(), "F-NEW");
    EXPECT_EQ(selections, 1); // only the pick
}

TEST_F(ComboFixture, deletionsAndProgramChangesNeverSelectThroughTheHandler) {
    combo.type("F-J", /*complete=*/false);
    EXPECT_EQ(combo.itemIndex(), -1);
    combo.setItemIndex(0);
    EXPECT_EQ(combo.text(), "F-JABC");
    EXPECT_EQ(selections, 0);
}

TEST(RadioGroup, clampsAndRunsTheClickOnlyForARealItem) {
    RadioGroup radio({"Tricycle", "Classique"});
    int clicks = 0;
    radio.OnClick = [&] { ++clicks; };
    struct Case {
        int set, index, clicksAfter;
    } cases[] = {{5, 1, 1}, {1, 1, 1}, {0, 0, 2}, {-3, -1, 2}, {-1, -1, 2}};
    for (const auto& c : cases) {
        radio.setItemIndex(c.set);
        EXPECT_EQ(radio.itemIndex(), c.index) << c.set;
        EXPECT_EQ(clicks, c.clicksAfter) << c.set;
    }
}

TEST(SpinEdit, countsTypedTextUntilTheFieldIsLeft) {
    SpinEdit spin(1, 100, 10);
    int changes = 0;
    spin.OnChange = [&] { ++changes; };
    spin.type("0");
    EXPECT_EQ(spin.value(), 0);
    spin.type("150");
    EXPECT_EQ(spin.value(), 150);
    spin.leave();
    EXPECT_EQ(spin.text(), "100");
    spin.type("abc");
    EXPECT_EQ(spin.value(), 1);
    spin.type("");
    spin.leave();
    EXPECT_EQ(spin.text(), "1");
    spin.setValue(-4);
    EXPECT_EQ(spin.value(), 1);
    EXPECT_EQ(changes, 6); // four typings and the two clamps on leaving
}

TEST(MaskedDate, emptyTextShowsTheBlankMask) {
    MaskedDate date;
    EXPECT_EQ(date.text(), "  /  /    ");
    date.setText("11/12/2026");
    date.setText("");
    EXPECT_EQ(date.text(), "  /  /    ");
    date.setText("11/12/20261234");
    EXPECT_EQ(date.text(), "11/12/2026");
}

} // namespace
} // namespace pesavia
