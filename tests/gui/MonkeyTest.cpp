// The main window under thousands of random but reproducible input events: clicks on the callouts
// and buttons, the wheel, drags, shortcuts, every menu command, every control of the options dialog
// with hostile display heights, resizes from 1 x 1 to 4000 x 3000, minimising and restoring.
// After each batch the program must still run, no GL error may have been raised and every
// number of the scene state must be finite.
//   NIVEAU_MONKEY_SEED=n   another seed (the default one runs in CI)
//   NIVEAU_MONKEY_STEPS=n  another number of inputs
#include "WindowFixture.h"

#include "app/CalloutLabel.h"
#include "app/ImageButton.h"
#include "app/ProgramWindows.h"
#include "dialogs/Optionen.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <random>

namespace {

int environmentNumber(const char* name, int fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::atoi(text) : fallback;
}

// Every number of the state that must stay finite whatever the input.
std::vector<std::pair<const char*, float>> finiteNumbers(const SceneState& s) {
    return {{"cameraRotX", s.cameraRotX},
            {"cameraRotY", s.cameraRotY},
            {"cameraRotZ", s.cameraRotZ},
            {"cameraPanX", s.cameraPanX},
            {"cameraPanY", s.cameraPanY},
            {"zoom", s.zoom},
            {"level", s.level},
            {"demoPosition", s.demoPosition},
            {"animationSpeed", s.animationSpeed},
            {"displayHeight", s.displayHeight},
            {"pipeInnerRadius", s.pipeInnerRadius},
            {"pipeOuterRadius", s.pipeOuterRadius},
            {"backgroundRed", s.backgroundRed},
            {"backgroundGreen", s.backgroundGreen},
            {"backgroundBlue", s.backgroundBlue},
            {"switchPoint1", s.switch1.switchPoint},
            {"switchPoint2", s.switch2.switchPoint}};
}

class Monkey {
  public:
    Monkey(TfrmCube& window, TOptionenForm& options, unsigned seed)
        : window(window), options(options), random(seed) {
        for (QAction* action : window.findChildren<QAction*>()) {
            // Closing would end the test; everything else goes, shortcuts included.
            if (action->objectName() == "Beenden1" || action->menu()) continue;
            actions.push_back(action);
        }
    }

    void step() {
        const std::function<void()> inputs[] = {[&] { clickCallout(); }, [&] { clickButton(); },
                                                [&] { wheel(); },        [&] { drag(); },
                                                [&] { hover(); },        [&] { trigger(); },
                                                [&] { shortcut(); },     [&] { optionsControl(); },
                                                [&] { resize(); },       [&] { minimiseAndBack(); },
                                                [&] { speedBurst(); }};
        inputs[pick(int(std::size(inputs)))]();
        QCoreApplication::processEvents();
    }

  private:
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    QPoint somewhere() {
        GLView* view = window.view();
        return {between(-20, view->width() + 20), between(-20, view->height() + 20)};
    }

    void clickCallout() {
        static const char* names[] = {"Label1", "Label2", "Label3", "Label4",
                                      "Label5", "Label6", "Label7"};
        QTest::mouseClick(window.callout(names[pick(7)]), Qt::LeftButton);
    }
    // "+" or "-" pressed over and over, as an impatient presenter does.
    void speedBurst() {
        CalloutLabel* label = window.callout(pick(2) ? "Label6" : "Label7");
        for (int i = between(1, 300); i > 0; --i) window.Label1Click(label);
    }
    void clickButton() {
        static const char* names[] = {"Start_Stop_Image", "Start_Stop_Image_UpDown", "ZoomIn_Image",
                                      "ZoomOut_Image"};
        ImageButton* button = window.imageButton(names[pick(4)]);
        const Qt::MouseButton which = pick(4) == 0 ? Qt::RightButton : Qt::LeftButton;
        QTest::mousePress(button, which);
        if (pick(3) > 0) QTest::mouseRelease(button, which); // sometimes the release never comes
    }
    void wheel() { sendWheel(window.view(), between(-480, 480), somewhere()); }
    void drag() {
        const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
        const Qt::MouseButton button = buttons[pick(3)];
        const Qt::KeyboardModifiers keys = pick(2) ? Qt::ShiftModifier : Qt::NoModifier;
        QTest::mousePress(window.view(), button, keys, somewhere());
        for (int i = between(1, 6); i > 0; --i) sendMove(window.view(), somewhere(), button, keys);
        QTest::mouseRelease(window.view(), button, keys, somewhere());
    }
    void hover() { sendMove(window.view(), somewhere()); }
    void trigger() { actions[std::size_t(pick(int(actions.size())))]->trigger(); }
    void shortcut() {
        const QKeyCombination keys[] = {Qt::Key_F11,
                                        Qt::Key_Escape,
                                        Qt::Key_Home,
                                        Qt::CTRL | Qt::Key_S,
                                        Qt::CTRL | Qt::Key_V,
                                        Qt::CTRL | Qt::Key_C,
                                        Qt::CTRL | Qt::Key_D,
                                        Qt::CTRL | Qt::Key_E,
                                        Qt::CTRL | Qt::SHIFT | Qt::Key_C,
                                        Qt::Key_F1};
        const QKeyCombination key = keys[pick(int(std::size(keys)))];
        QTest::keyClick(&window, key.key(), key.keyboardModifiers());
    }
    void optionsControl() {
        if (!options.isVisible()) window.menuItem("TBItem1")->trigger();
        switch (pick(6)) {
        case 0: { // every list, those of the option frames included
            const auto lists = options.findChildren<QComboBox*>();
            choose(lists[pick(int(lists.size()))]);
            break;
        }
        case 1: { // OK, Cancel and Help
            const auto buttons = options.findChildren<QPushButton*>();
            buttons[pick(int(buttons.size()))]->click();
            break;
        }
        case 2: {
            static const char* heights[] = {
                "",     "-1",    "0", "1e309", "nan",   "inf",          "149", "5001", "abc",
                "0x10", " 390 ", ",", "3,5",   "1.5e2", "999999999999", "390", "-0",   "\u0663"};
            options.Edit6->setText(QString::fromUtf8(heights[pick(int(std::size(heights)))]));
            emit options.Edit6->textEdited(options.Edit6->text());
            break;
        }
        case 3: {
            const auto choices = options.findChildren<QRadioButton*>();
            choices[pick(int(choices.size()))]->click();
            break;
        }
        case 4: {
            QCheckBox* boxes[] = {options.CheckBox1, options.CheckBox2, options.CheckBox3,
                                  options.CheckBox4};
            boxes[pick(4)]->click();
            break;
        }
        default:
            options.PageControl1->setCurrentIndex(pick(options.PageControl1->count()));
            break;
        }
    }
    void choose(QComboBox* list) {
        if (list->count() == 0) return;
        list->setCurrentIndex(pick(list->count()));
        emit list->activated(list->currentIndex());
    }
    void resize() {
        const QSize sizes[] = {{1, 1}, {4000, 3000}, {between(1, 2000), between(1, 1500)}};
        const QSize size = sizes[pick(3)];
        if (window.isFullScreen() || window.isMaximized()) window.showNormal();
        window.resize(size);
    }
    void minimiseAndBack() {
        window.showMinimized();
        QCoreApplication::processEvents();
        window.showNormal();
    }

    TfrmCube& window;
    TOptionenForm& options;
    std::mt19937 random;
    std::vector<QAction*> actions;
};

} // namespace

TEST_F(WindowTest, SurvivesThousandsOfRandomInputs) {
    CreateSecondaryWindows(*window, *state);
    auto* options = window->findChild<TOptionenForm*>();
    ASSERT_TRUE(options);
    // Dialogs that wait for an answer (file dialog, message boxes) and popup menus are answered
    // as soon as they open, so that the inputs go on.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    });
    answer.start(10);

    const unsigned seed = unsigned(environmentNumber("NIVEAU_MONKEY_SEED", 20261209));
    const int steps = environmentNumber("NIVEAU_MONKEY_STEPS", 2000);
    std::printf("monkey: seed %u, %d inputs\n", seed, steps);
    Monkey monkey(*window, *options, seed);
    const QSize screens = window->screen()->virtualSize();
    for (int done = 0; done < steps;) {
        for (int i = 0; i < 50 && done < steps; ++i, ++done) monkey.step();
        SCOPED_TRACE(testing::Message() << "after input " << done << " of seed " << seed);
        ASSERT_TRUE(QTest::qWaitFor([] { return true; }, 1)); // the event loop still turns
        ASSERT_EQ(window->view()->glErrors(), 0)
            << "first GL error 0x" << std::hex << window->view()->firstGlError();
        for (const auto& [name, value] : finiteNumbers(*state))
            ASSERT_TRUE(std::isfinite(value)) << name << " = " << value;
        ASSERT_LE(window->view()->width(), screens.width()) << "the view stays within the screens";
        ASSERT_LE(window->view()->height(), screens.height());
    }
    // The demos still move after all of it.
    window->showNormal();
    window->resize(800, 600);
    state->levelDemoRunning = state->swingDemoRunning = true;
    window->FormPaint();
    const float before = state->cameraRotY;
    EXPECT_TRUE(QTest::qWaitFor([&] { return state->cameraRotY != before; }, 5000));
}
