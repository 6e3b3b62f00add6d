// The options dialog on a real main window, driven by keyboard and mouse events.
#include "Baseline.h"
#include "WindowFixture.h"

#include "app/ShowInFront.h"
#include "dialogs/MIDI.h"
#include "dialogs/Optionen.h"
#include "dialogs/Standard.h"
#include "dialogs/TypePicture.h"
#include "scene/Catalogues.h"
#include "scene/DisplayHeight.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTabBar>

#include <GL/gl.h>

namespace {
enum TypeEntry { R410, R520, R530, R640, R650, R760 };
} // namespace

class OptionsDialogTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        stopDemos(); // the level demo would overwrite the level the dialog sets
        dialog = createDialog();
        SecondaryWindows secondary;
        secondary.showOptions = [this] { ShowInFront(dialog.get(), window.get()); };
        secondary.refreshOptions = [this] { dialog->showOptions(); };
        window->setSecondaryWindows(std::move(secondary));
        redrawsBefore = window->core().redrawRequests();
    }
    void TearDown() override {
        dialog.reset();
        WindowTest::TearDown();
    }
    std::unique_ptr<TOptionenForm> createDialog() {
        return std::make_unique<TOptionenForm>(window->core().options());
    }
    // The redraws the dialog asked for.
    int redraws() const { return window->core().redrawRequests() - redrawsBefore; }
    void showDialog() {
        ShowInFront(dialog.get(), window.get());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }
    // Moves a closed list to the entry with Home and arrow keys, as a user would; every step
    // that changes the entry runs the list's handler.
    static void choose(QComboBox* list, int entry) {
        if (list->currentIndex() < 0 || list->currentIndex() > entry)
            QTest::keyClick(list, Qt::Key_Home);
        while (list->currentIndex() < entry) QTest::keyClick(list, Qt::Key_Down);
        ASSERT_EQ(list->currentIndex(), entry);
    }
    // Replaces the field's text by typing it: select all, delete, then key by key. Characters
    // without a key of their own arrive as text only, as from an input method.
    void typeHeight(const QString& text) {
        QTest::keyClick(dialog->Edit6, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(dialog->Edit6, Qt::Key_Backspace);
        for (const QChar c : text) {
            if (c.unicode() < 128)
                QTest::keyClick(dialog->Edit6, char(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, dialog->Edit6, Qt::Key_unknown, QString(c), {});
        }
        ASSERT_EQ(dialog->Edit6->text(), text);
    }
    // Clicks on the indicator of a radio button or check box; the rest of a wide button's
    // area does not react.
    static void clickIndicator(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }
    void openPage(int page) {
        QTabBar* tabs = dialog->PageControl1->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(page).center());
        ASSERT_EQ(dialog->PageControl1->currentIndex(), page);
    }
    void expectHeight(float height) {
        EXPECT_FLOAT_EQ(state->displayHeight, height);
        EXPECT_FLOAT_EQ(state->level, height / 2);
    }
    // Whether every pixel has the colour of the top-left corner, the background.
    static bool isUniform(const QImage& image) {
        QImage uniform(image.size(), image.format());
        uniform.fill(image.pixel(0, 0));
        return image == uniform;
    }
    static QStringList items(const QComboBox* list) {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i) texts << list->itemText(i);
        return texts;
    }

    std::unique_ptr<TOptionenForm> dialog;
    int redrawsBefore = 0;
};

TEST_F(OptionsDialogTest, StartsHiddenWithTheCataloguesListedAndNoTypeChosen) {
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->ComboBox4->currentIndex(), -1);
    EXPECT_TRUE(dialog->MIDI_Frame->isHidden());
    EXPECT_TRUE(dialog->Standard_Frame->isHidden());
    const QStringList connections = items(dialog->MIDI_Frame->ComboBox1);
    ASSERT_EQ(connections.size(), 11);
    EXPECT_EQ(connections.front(), "C-201  DN10/PN 25/40");
    EXPECT_EQ(connections.back(), "C-210  Stutzen \u00D817,2x1,6");
    EXPECT_EQ(items(dialog->MIDI_Frame->ComboBox2).size(), 5);
    EXPECT_EQ(items(dialog->Standard_Frame->ComboBox2).size(), 17);
    EXPECT_EQ(dialog->ComboBox1->currentText(), "Red");
    EXPECT_EQ(dialog->ComboBox2->currentText(), "White");
    EXPECT_EQ(state->typeCode, "R-760") << "creating the dialog changes nothing";
    EXPECT_EQ(redraws(), 0);

    state->languageCode = "d";
    const auto german = createDialog();
    EXPECT_EQ(german->ComboBox1->itemText(2), "Gr\u00FCn");
    EXPECT_EQ(german->ComboBox1->currentText(), "Rot");
    EXPECT_EQ(german->ComboBox2->currentText(), "Weiss");
}

TEST_F(OptionsDialogTest, TypedDisplayHeightIsLimitedAndMovesTheLevel) {
    showDialog();
    typeHeight("abc");
    expectHeight(150);
    typeHeight("5001");
    expectHeight(5000);
    typeHeight("149.99");
    expectHeight(150);
    typeHeight("   2500.5 mm");
    expectHeight(2500.5f);
    EXPECT_EQ(dialog->Edit6->text(), "   2500.5 mm") << "the field is not rewritten";

    // Every keystroke applies the text so far: "1", "10" and "100" pass through 150.
    typeHeight("");
    const int before = redraws();
    for (const char* key : {"1", "0", "0"}) {
        QTest::keyClicks(dialog->Edit6, key);
        expectHeight(150);
    }
    QTest::keyClicks(dialog->Edit6, "0");
    expectHeight(1000);
    EXPECT_EQ(redraws(), before + 4);
}

TEST_F(OptionsDialogTest, AnyTextKeepsTheModelInRange) {
    showDialog();
    for (const char* text : {"-0", "+-", "1e9", "nan", "inf", "\xE2\x82\xAC"}) {
        typeHeight(QString::fromUtf8(text));
        expectHeight(150);
        EXPECT_EQ(state->flapCount, 15 + 5) << text;
    }
    QGuiApplication::clipboard()->setText(QString(10000, '9'));
    QTest::keyClick(dialog->Edit6, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(dialog->Edit6, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(dialog->Edit6->text().size(), 10000);
    expectHeight(5000);
}

TEST_F(OptionsDialogTest, FlapCountFollowsTheTypeWithHalvesRoundedToEven) {
    showDialog();
    choose(dialog->ComboBox4, R760);
    typeHeight("395");
    EXPECT_EQ(state->flapCount, 45);
    typeHeight("385");
    EXPECT_EQ(state->flapCount, 43);
    choose(dialog->ComboBox4, R410);
    EXPECT_EQ(dialog->Edit6->text(), "  385.00");
    EXPECT_EQ(state->flapCount, 38 + 9);
    EXPECT_FLOAT_EQ(state->level, 192.5f);
}

TEST_F(OptionsDialogTest, EachTypeSetsUpItsFamily) {
    showDialog();
    state->displayHeight = 1234.5f;
    const char* const midiConnection = "C-201  DN10/PN 25/40";
    const struct {
        bool midi;
        const char* connection;
    } expected[] = {{true, midiConnection}, {false, "FNull"},    {false, "FNull"},
                    {false, "FDefault"},    {false, "FDefault"}, {true, midiConnection}};
    for (int entry = R410; entry <= R760; ++entry) {
        const auto& e = expected[entry];
        SCOPED_TRACE(typeCodes[entry]);
        const int before = redraws();
        choose(dialog->ComboBox4, entry);
        EXPECT_GT(redraws(), before);
        EXPECT_EQ(state->typeCode, typeCodes[entry]);
        EXPECT_EQ(dialog->Edit6->text(), " 1234.50");
        EXPECT_FLOAT_EQ(state->level, 1234.5f / 2);
        EXPECT_EQ(state->flapCount, 123 + (entry == R760 ? 5 : 9));
        EXPECT_EQ(dialog->MIDI_Frame->isVisible(), e.midi);
        EXPECT_EQ(dialog->Standard_Frame->isVisible(), !e.midi);
        EXPECT_EQ(state->connection.name, e.connection);
        EXPECT_EQ(state->selectedFloat.name,
                  e.midi ? "F-304/00 Dichte 1,00" : "F-306/00 Dichte 1,00");
        EXPECT_FLOAT_EQ(state->pipeInnerRadius, e.midi ? 14.85f : 25);
        EXPECT_FLOAT_EQ(state->pipeOuterRadius, e.midi ? 16.85f : 26.5f);
        EXPECT_FLOAT_EQ(state->flangeOuterRadius, e.midi ? 35 : 45);
        EXPECT_FLOAT_EQ(state->boltCircleRadius, e.midi ? 29 : 39);
        EXPECT_FLOAT_EQ(state->boltHoleRadiusA, 3.5f);
        EXPECT_FLOAT_EQ(state->boltHoleRadiusB, 3.0f);
        EXPECT_EQ(state->flapStartIndex, e.midi ? -2 : -4);
        // Without a connection there are no nozzles; the transmitter stands next to the axis.
        if (entry == R520) {
            EXPECT_EQ(state->connection.outerDiameter, 0);
        }
    }
}

TEST_F(OptionsDialogTest, FrameListsChooseConnectionAndFloatUntilTheNextTypeSelection) {
    showDialog();
    choose(dialog->ComboBox4, R410);
    TMIDI_Frame* midi = dialog->MIDI_Frame;
    choose(midi->ComboBox1, 6);
    EXPECT_EQ(state->connection.name, "C-206  ANSI 1\"   150RF");
    EXPECT_FLOAT_EQ(state->connection.flangeDiameter, 107.9f);
    choose(midi->ComboBox2, 0);
    EXPECT_EQ(state->selectedFloat.name, "F-301/00 Dichte 0,60");
    choose(dialog->ComboBox4, R520);
    choose(dialog->ComboBox4, R410); // back: the family defaults again
    EXPECT_EQ(midi->ComboBox1->currentIndex(), 0);
    EXPECT_EQ(midi->ComboBox2->currentIndex(), 3);
    EXPECT_EQ(state->connection.name, "C-201  DN10/PN 25/40");
    EXPECT_EQ(state->selectedFloat.name, "F-304/00 Dichte 1,00");

    choose(dialog->ComboBox4, R640);
    TStandard_Frame* standard = dialog->Standard_Frame;
    choose(standard->ComboBox2, 10);
    EXPECT_EQ(state->selectedFloat.name, "F-308/00 Dichte 0,60");
    EXPECT_FLOAT_EQ(state->selectedFloat.outerDiameter, 47);
    choose(standard->ComboBox1, 2); // "DN25" only re-applies the float choice
    EXPECT_EQ(state->selectedFloat.name, "F-308/00 Dichte 0,60");
    EXPECT_EQ(state->connection.name, "FDefault");
    choose(dialog->ComboBox4, R650);
    EXPECT_EQ(standard->ComboBox1->currentIndex(), 0);
    EXPECT_EQ(standard->ComboBox2->currentIndex(), 4);
    EXPECT_EQ(state->selectedFloat.name, "F-306/00 Dichte 1,00");
}

TEST_F(OptionsDialogTest, AccessoryPageSetsColoursMaterialAndSprings) {
    showDialog();
    openPage(1);
    const int before = redraws();
    choose(dialog->ComboBox1, 2);
    EXPECT_EQ(state->fullColour.englishName, "Green");
    choose(dialog->ComboBox2, 14);
    EXPECT_EQ(state->emptyColour.englishName, "Yellow");
    EXPECT_EQ(state->fullColourIndex, 4) << "the indices keep their values";
    EXPECT_EQ(state->emptyColourIndex, 15);
    clickIndicator(dialog->RadioButton1);
    EXPECT_FALSE(state->railAluminium);
    clickIndicator(dialog->RadioButton2);
    EXPECT_TRUE(state->railAluminium);
    EXPECT_GE(redraws(), before + 4) << "colours and material show at once";
    const int afterColours = redraws();

    clickIndicator(dialog->CheckBox3);
    EXPECT_TRUE(state->springTopVisible);
    EXPECT_FALSE(state->springBottomVisible);
    clickIndicator(dialog->CheckBox4);
    EXPECT_TRUE(state->springBottomVisible);
    clickIndicator(dialog->CheckBox3);
    EXPECT_FALSE(state->springTopVisible);
    EXPECT_EQ(redraws(), afterColours + 3);

    EXPECT_TRUE(dialog->CheckBox1->isChecked()) << "the scale is shown from the start";
    clickIndicator(dialog->CheckBox1);
    EXPECT_FALSE(state->scaleVisible);
    clickIndicator(dialog->CheckBox2);
    EXPECT_TRUE(state->insulationVisible);
    EXPECT_EQ(redraws(), afterColours + 5);
}

TEST_F(OptionsDialogTest, ButtonsCloseOrDoNothingAndKeepEveryChange) {
    showDialog();
    typeHeight("1000");
    QTest::mouseClick(dialog->HelpBtn, Qt::LeftButton);
    EXPECT_TRUE(dialog->isVisible());
    QTest::mouseClick(dialog->CancelBtn, Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    expectHeight(1000);
    showDialog();
    QTest::mouseClick(dialog->OKBtn, Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    expectHeight(1000);
}

TEST_F(OptionsDialogTest, DefaultCommandRestoresTheStartModelAsR650) {
    showDialog();
    choose(dialog->ComboBox4, R410);
    typeHeight("2000");
    openPage(1);
    choose(dialog->ComboBox1, 0);
    choose(dialog->ComboBox2, 1);
    clickIndicator(dialog->RadioButton1);
    for (QCheckBox* box : {dialog->CheckBox1, dialog->CheckBox3, dialog->CheckBox4})
        clickIndicator(box);
    for (const char* item : {"ganz1", "aus2", "ganz3", "aus4", "aus5", "GLLINE1"})
        window->menuItem(item)->trigger();
    state->cameraRotX = 45;
    state->cameraPanX = 300;
    state->zoom = 500;

    window->menuItem("Defaul1")->trigger();

    EXPECT_EQ(dialog->ComboBox4->currentText(), "R-650");
    EXPECT_EQ(state->typeCode, "R-650");
    EXPECT_FALSE(dialog->Standard_Frame->isHidden());
    EXPECT_TRUE(dialog->MIDI_Frame->isHidden());
    EXPECT_FLOAT_EQ(state->displayHeight, 390);
    EXPECT_FLOAT_EQ(state->level, 195);
    EXPECT_EQ(state->flapCount, 48);
    EXPECT_EQ(state->connection.name, "FDefault");
    EXPECT_EQ(state->selectedFloat.name, "F-306/00 Dichte 1,00");
    EXPECT_EQ(state->fullColour.englishName, "Red");
    EXPECT_EQ(state->emptyColour.englishName, "White");
    EXPECT_TRUE(state->railAluminium);
    EXPECT_TRUE(dialog->RadioButton2->isChecked());
    for (QCheckBox* box :
         {dialog->CheckBox1, dialog->CheckBox2, dialog->CheckBox3, dialog->CheckBox4})
        EXPECT_FALSE(box->isChecked()) << box->text().toStdString();
    EXPECT_FALSE(state->switch1Visible || state->switch2Visible || state->transmitterVisible ||
                 state->scaleVisible || state->insulationVisible || state->springTopVisible ||
                 state->springBottomVisible);

    EXPECT_FLOAT_EQ(state->cameraRotX, 0);
    EXPECT_FLOAT_EQ(state->cameraRotY, 60);
    EXPECT_FLOAT_EQ(state->cameraRotZ, 0);
    EXPECT_FLOAT_EQ(state->cameraPanX, 0);
    EXPECT_FLOAT_EQ(state->cameraPanY, 30);
    EXPECT_FLOAT_EQ(state->zoom, 35);
    EXPECT_EQ(state->pipeMode, DisplayMode::Cut);
    EXPECT_EQ(state->flapMode, DisplayMode::Whole);
    EXPECT_EQ(state->polygonMode, GL_FILL);

    for (const char* checked : {"Schnitt1", "Schnitt2", "Schnitt3", "ganz4", "ein1", "GLFILL1"})
        EXPECT_TRUE(window->menuItem(checked)->isChecked()) << checked;
    for (const char* unchecked :
         {"aus1", "ganz1", "aus2", "ganz2", "aus3", "ganz3", "aus4", "aus5", "GLLINE1"})
        EXPECT_FALSE(window->menuItem(unchecked)->isChecked()) << unchecked;
}

TEST_F(OptionsDialogTest, OpensFromTheMenuAndFromTheTopRightPixelGesture) {
    GLView* view = window->view();
    const int right = view->width() - 1;
    QTest::mousePress(view, Qt::RightButton, {}, QPoint(100, 100));
    for (const QPoint near : {QPoint(right - 1, 0), QPoint(right, 1), QPoint(right / 2, 0)}) {
        QTest::mouseMove(view, near);
        EXPECT_FALSE(dialog->isVisible()) << near.x() << "," << near.y();
    }
    QTest::mouseMove(view, QPoint(right, 0));
    EXPECT_TRUE(dialog->isVisible());
    QTest::mouseRelease(view, Qt::RightButton, {}, QPoint(right, 0));
    dialog->close();

    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(view, QPoint(right, 0));
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(right, 0));
    EXPECT_FALSE(dialog->isVisible()) << "only with the right button held";

    window->menuItem("TBItem1")->trigger();
    EXPECT_TRUE(dialog->isVisible());

    dialog->showMinimized();
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog->isMinimized(); }, 3000));
    window->menuItem("TBItem1")->trigger();
    EXPECT_FALSE(dialog->isMinimized()) << "opening a minimised dialog brings it back";
}

TEST_F(OptionsDialogTest, PictureShowsTheChamberOfEachType) {
    showDialog();
    std::vector<QImage> pictures;
    int drawnPictures = 0;
    for (int entry = R410; entry <= R760; ++entry) {
        choose(dialog->ComboBox4, entry);
        const QImage picture = dialog->Image1->grabFramebuffer();
        const QString name = "type-picture-" + dialog->ComboBox4->currentText();
        if (entry == R410)
            EXPECT_TRUE(matchesBaseline(picture, name));
        else
            savePicture(picture, name);
        drawnPictures += !isUniform(picture);
        pictures.push_back(picture);
    }
    // The dialog lays out what the last type shows before it is painted into the picture.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    savePicture(dialog->grab().toImage(), "options-dialog");
    if (drawnPictures == 0) GTEST_SKIP() << "the chamber geometry draws nothing yet";
    EXPECT_EQ(drawnPictures, 6);
    EXPECT_TRUE(pictures[R410] != pictures[R520]) << "the families differ";
    EXPECT_TRUE(pictures[R520] != pictures[R640]) << "no connection against the generic one";
    EXPECT_TRUE(pictures[R410] != pictures[R760]) << "R-760 has its own end fittings";
}
