// SPDX-License-Identifier: GPL-3.0-or-later
// The drop-down conventions every editor relies on.

#include "forms/combo_helpers.h"
#include "forms/form_widgets.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <functional>

namespace {

constexpr std::array<std::string_view, 3> kSteps{"2.5", "5", "12.5"};

} // namespace

TEST(ComboHelpersTest, IndexListSelectsStoredPositionAndNothingPastTheEnd) {
    QComboBox box;
    forms::combo::fill(&box, kSteps);
    EXPECT_EQ(box.currentIndex(), -1);
    EXPECT_EQ(forms::combo::storedIndex(&box), 0xFF);  // nothing selected

    forms::combo::selectIndex(&box, 2);
    EXPECT_EQ(box.currentText(), "12.5");
    EXPECT_EQ(forms::combo::storedIndex(&box), 2);

    forms::combo::selectIndex(&box, 3);
    EXPECT_EQ(box.currentIndex(), -1);
    EXPECT_EQ(forms::combo::storedIndex(&box), 0xFF);
    forms::combo::selectIndex(&box, 0xFF);
    EXPECT_EQ(box.currentIndex(), -1);
}

TEST(ComboHelpersTest, PrefixSelectsTheFirstMatchIgnoringCaseElseTheFirstEntry) {
    QComboBox box;
    forms::combo::fill(&box, QStringList({"Off", "Carrier", "CTCSS/DCS", "cTc only"}));
    forms::combo::selectPrefix(&box, "ct");
    EXPECT_EQ(box.currentIndex(), 2);
    forms::combo::selectPrefix(&box, "CAR");
    EXPECT_EQ(box.currentIndex(), 1);
    forms::combo::selectPrefix(&box, "xyz");
    EXPECT_EQ(box.currentIndex(), 0);
    forms::combo::selectPrefix(&box, "");
    EXPECT_EQ(box.currentIndex(), 0);
}

TEST(ComboHelpersTest, PrefixOnAnEmptyListSelectsNothing) {
    QComboBox box;
    forms::combo::selectPrefix(&box, "5");
    EXPECT_EQ(box.currentIndex(), -1);
    EXPECT_EQ(forms::combo::storedIndex(&box), 0xFF);
}

TEST(ComboHelpersTest, FillReplacesEntriesAndClearsTheSelection) {
    QComboBox box;
    forms::combo::fill(&box, QStringList({"a", "b"}));
    forms::combo::selectIndex(&box, 1);
    forms::combo::fill(&box, kSteps);
    EXPECT_EQ(box.count(), 3);
    EXPECT_EQ(box.currentIndex(), -1);
    EXPECT_EQ(forms::combo::toStringList(kSteps), QStringList({"2.5", "5", "12.5"}));
}

TEST(ComboHelpersTest, NoSelectionKeepsTheStoredByte) {
    QComboBox box;
    forms::combo::fill(&box, kSteps);
    image::RadioImage img;
    img.setU8(0x0300, 0x42);
    forms::combo::selectIndex(&box, 0x42);
    forms::combo::storeSelectedIndex(img, 0x0300, &box);
    EXPECT_EQ(img.u8(0x0300), 0x42);
    box.setCurrentIndex(2);
    forms::combo::storeSelectedIndex(img, 0x0300, &box);
    EXPECT_EQ(img.u8(0x0300), 2);
}

TEST(FormWidgetsTest, LoadedTextKeepsBytesTheFilterWouldDropButTypingIsFiltered) {
    QLineEdit* edit = forms::filteredEdit("field", 7, forms::kDigits, false, nullptr);
    const std::unique_ptr<QLineEdit> owner(edit);
    forms::setLoadedText(edit, QString::fromLatin1("1\xE9" "2"));
    EXPECT_EQ(edit->text(), QString::fromLatin1("1\xE9" "2"));
    edit->setText(QStringLiteral("9x8"));
    EXPECT_EQ(edit->text(), QStringLiteral("98"));
}

// A form's drop-down measures its entries once, yet every size it gives is the one a plain
// drop-down gives in the same steps, quirks included: the minimum stays what it was when
// first asked, and after the first show only a drop-down sized to its contents follows its
// entries.
TEST(FormWidgetsTest, DropDownSizesAreThoseOfAPlainDropDown) {
    QWidget form;
    QComboBox* measured = forms::comboBox("measured", &form);
    auto* plain = new QComboBox(&form);
    const auto step = [&](const char* what, const std::function<void(QComboBox*)>& change) {
        for (QComboBox* box : {measured, plain}) change(box);
        EXPECT_EQ(measured->sizeHint(), plain->sizeHint()) << what;
        EXPECT_EQ(measured->minimumSizeHint(), plain->minimumSizeHint()) << what;
    };
    step("empty", [](QComboBox*) {});
    step("filled", [](QComboBox* box) { forms::combo::fill(box, QStringList({"Off", "5", "75"})); });
    step("shown", [&](QComboBox*) { form.show(); });
    step("an entry added", [](QComboBox* box) { box->addItem(QStringLiteral("Beep Tone & Response")); });
    step("refilled", [](QComboBox* box) { forms::combo::fill(box, kSteps); });
    step("sized to its contents", [](QComboBox* box) { box->setSizeAdjustPolicy(QComboBox::AdjustToContents); });
    step("an entry renamed", [](QComboBox* box) { box->setItemText(1, QStringLiteral("Beep Tone & Response")); });
    step("an entry removed", [](QComboBox* box) { box->removeItem(1); });
    step("with a minimum length", [](QComboBox* box) { box->setMinimumContentsLength(20); });
    step("in a larger font", [](QComboBox* box) {
        QFont font = box->font();
        font.setPointSize(font.pointSize() + 6);
        box->setFont(font);
    });
    step("restyled", [](QComboBox* box) { box->setStyleSheet(QStringLiteral("QComboBox { padding: 6px; }")); });
}
