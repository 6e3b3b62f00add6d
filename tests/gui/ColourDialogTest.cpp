// The background colour dialog with real clicks and key presses.
#include "ColourDialogOn.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

class ColourDialogTest : public testing::Test {
  protected:
    void SetUp() override {
        InitialiseSceneState(state);
        shown = std::make_unique<ColourDialogOn>(state, [this] { ++applications; });
        dialog = &shown->dialog;
        open();
    }
    void open() {
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    }
    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    std::array<int, 3> sliders() const {
        return {dialog->ScrollBar1->value(), dialog->ScrollBar2->value(),
                dialog->ScrollBar3->value()};
    }

    SceneState state;
    std::unique_ptr<ColourDialogOn> shown;
    TColor_dlg* dialog = nullptr;
    int applications = 0;
};

} // namespace

TEST_F(ColourDialogTest, ShowLoadsTheSlidersRoundedHalfToEven) {
    EXPECT_EQ(sliders(), (std::array<int, 3>{164, 190, 255}));
    EXPECT_EQ(dialog->sliderColour(), QColor(164, 190, 255));
    EXPECT_EQ(dialog->Shape1->palette().color(QPalette::Window), QColor(164, 190, 255));

    dialog->hide();
    state.backgroundRed = 2.5f / 255.0f; // exactly 2.5 after scaling: even neighbour below
    state.backgroundGreen = 3.5f / 255.0f;
    state.backgroundBlue = 0.0f;
    open();
    EXPECT_EQ(sliders(), (std::array<int, 3>{2, 4, 0}));
}

TEST_F(ColourDialogTest, DefaultAppliesBlackAtOnceSoClosingKeepsIt) {
    click(dialog->BitBtn3);
    EXPECT_EQ(sliders(), (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(applications, 1);
    click(dialog->BitBtn2);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(state.backgroundRed, 0.0f);
    EXPECT_EQ(state.backgroundGreen, 0.0f);
    EXPECT_EQ(state.backgroundBlue, 0.0f);
}

TEST_F(ColourDialogTest, SliderMovesOnlyPreviewUntilApplied) {
    QTest::keyClick(dialog->ScrollBar1, Qt::Key_PageUp);
    QTest::keyClick(dialog->ScrollBar2, Qt::Key_Home);
    EXPECT_EQ(sliders(), (std::array<int, 3>{154, 0, 255}));
    EXPECT_EQ(dialog->Shape1->palette().color(QPalette::Window), QColor(154, 0, 255));
    EXPECT_FLOAT_EQ(state.backgroundRed, 0.643f);

    click(dialog->BitBtn2);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(applications, 0);
    EXPECT_FLOAT_EQ(state.backgroundRed, 0.643f);
    EXPECT_FLOAT_EQ(state.backgroundGreen, 0.745f);

    open();
    EXPECT_EQ(sliders(), (std::array<int, 3>{164, 190, 255}));
}

TEST_F(ColourDialogTest, ApplyWritesSliderOver255AndOkAlsoCloses) {
    dialog->ScrollBar1->setValue(51);
    dialog->ScrollBar2->setValue(102);
    dialog->ScrollBar3->setValue(0);
    click(dialog->BitBtn4);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(applications, 1);
    EXPECT_FLOAT_EQ(state.backgroundRed, 0.2f);
    EXPECT_FLOAT_EQ(state.backgroundGreen, 0.4f);
    EXPECT_FLOAT_EQ(state.backgroundBlue, 0.0f);

    dialog->ScrollBar3->setValue(255);
    click(dialog->BitBtn1);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(applications, 2);
    EXPECT_FLOAT_EQ(state.backgroundBlue, 1.0f);
}

TEST_F(ColourDialogTest, TextsFollowTheLanguageOnEveryShow) {
    EXPECT_EQ(dialog->windowTitle(), "Background Color");
    EXPECT_EQ(dialog->Label1->text(), "red");
    EXPECT_EQ(dialog->Label2->text(), "green");
    EXPECT_EQ(dialog->Label3->text(), "blue");
    EXPECT_EQ(dialog->BitBtn1->text(), "&Ok");
    EXPECT_EQ(dialog->BitBtn2->text(), "&Close");
    EXPECT_EQ(dialog->BitBtn3->text(), "&Default");
    EXPECT_EQ(dialog->BitBtn4->text(), "&Apply");

    dialog->hide();
    state.languageCode = std::string("d");
    open();
    EXPECT_EQ(dialog->windowTitle(), "Hintergrund Farbe");
    EXPECT_EQ(dialog->Label1->text(), "rot");
    EXPECT_EQ(dialog->Label2->text(), QString::fromUtf8("gr\u00FCn"));
    EXPECT_EQ(dialog->Label3->text(), "blau");
    EXPECT_EQ(dialog->BitBtn1->text(), "&Ok");
    EXPECT_EQ(dialog->BitBtn2->text(), "&Abbruch");
    EXPECT_EQ(dialog->BitBtn3->text(), "&Default");
    EXPECT_EQ(dialog->BitBtn4->text(), QString::fromUtf8("\u00DCbernehmen"));
}
