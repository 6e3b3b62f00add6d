// Presenting with the main window: pictures of the view, full screen, smooth edges, the reset
// view, tooltips, and commands whose effect shows at once while nothing animates.
#include "SceneProjection.h"
#include "WindowFixture.h"

#include "app/CalloutLabel.h"
#include "app/ImageButton.h"
#include "app/ProgramWindows.h"
#include "config/Language.h"
#include "dialogs/CaptionBar.h"
#include "dialogs/Optionen.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QToolBar>
#include <QToolTip>

#include <set>

namespace {

bool isSectionRed(QColor c) {
    return c.red() > 200 && c.green() < 60 && c.blue() < 60;
}

int countPixels(const QImage& image, bool (*matches)(QColor)) {
    int count = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2) count += matches(image.pixelColor(x, y));
    return count;
}

std::size_t distinctColours(const QImage& image) {
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
    return colours.size();
}

// Answers the message box the next command opens (it waits for an answer).
void acceptNextMessageBox() {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            box->accept();
            poll->deleteLater();
        }
    });
    poll->start(20);
}

// The view as the screen shows it.
QImage onScreen(TfrmCube& window) {
    GLView* view = window.view();
    const QPoint corner = view->mapToGlobal(QPoint(0, 0));
    return window.screen()
        ->grabWindow(0, corner.x(), corner.y(), view->width(), view->height())
        .toImage();
}

} // namespace

TEST_F(WindowTest, SavedPictureAt3840By2160ShowsTheModelTheBackgroundAndTheReadouts) {
    stopDemos();
    QTemporaryDir folder;
    const QString path = folder.filePath("view.png");
    ASSERT_TRUE(window->SavePicture(path, QSize(3840, 2160)));
    const QImage saved(path);
    ASSERT_EQ(saved.size(), QSize(3840, 2160));
    EXPECT_GT(countPixels(saved, isSectionRed), 2000) << "the red section faces";
    EXPECT_EQ(saved.pixelColor(1920, 4), QColor(164, 190, 255)) << "the background colour";
    // The transmitter read-out stands at the right edge of this shape, not of the window.
    const float anchorX = 3840.0f / 2160.0f * 200 - 40;
    const QColor panel =
        saved.pixelColor(projectEyePoint({anchorX + 30, 190, -1503}, {3840, 2160}));
    EXPECT_EQ(panel.red(), panel.green()) << "a grey read-out panel";
    EXPECT_GT(panel.red(), 80);
}

TEST_F(WindowTest, AFailedPictureSaysSoAndLeavesTheFileThereAsItWas) {
    stopDemos();
    QTemporaryDir folder;
    const QString existing = folder.filePath("old.png");
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("old picture");
    file.close();

    acceptNextMessageBox();
    EXPECT_FALSE(window->SavePicture(existing, QSize(100000, 100000))) << "far too large";
    file.open(QIODevice::ReadOnly);
    EXPECT_EQ(file.readAll(), "old picture");
    file.close();

    acceptNextMessageBox();
    EXPECT_FALSE(window->SavePicture(existing + "/inside-a-file.png", QSize(64, 48)));
}

TEST_F(WindowTest, CopyPicturePutsTheViewOnTheClipboard) {
    stopDemos();
    window->menuItem("CopyPicture1")->trigger();
    const QImage copied = QApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), window->view()->devicePixels());
    EXPECT_GT(countPixels(copied, isSectionRed), 100);
}

TEST_F(WindowTest, FullScreenHidesTheCaptionBarAndEscLeavesIt) {
    stopDemos();
    window->activateWindow(); // keys reach the window that has the focus
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->menuItem("FullScreen1")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->isFullScreen(); }, 5000));
    EXPECT_FALSE(window->captionBar()->isVisible());
    // The view fills the window (the window manager makes that the screen).
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->view()->size() == window->size(); }, 5000))
        << window->view()->width() << "x" << window->view()->height() << " in " << window->width()
        << "x" << window->height();
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isFullScreen(); }, 5000));
    EXPECT_TRUE(window->captionBar()->isVisible());
    QTest::keyClick(window.get(), Qt::Key_F11);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->isFullScreen(); }, 5000));
    QTest::keyClick(window.get(), Qt::Key_F11);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isFullScreen(); }, 5000));
}

TEST_F(WindowTest, SmoothEdgesAreOnByDefaultOnTheSoftwareRendererAndKeptOnceChosen) {
    holdStartScene(120);
    paintStill();
    EXPECT_TRUE(state->smoothEdges) << "the edge filter keeps llvmpipe at the display's rate";
    EXPECT_FALSE(state->smoothEdgesChosen);
    EXPECT_EQ(window->view()->smoothingWay(), SmoothingWay::EdgeFilter);
    const QImage drawn = frame();
    const QImage smoothOnScreen = onScreen(*window);
    savePicture(smoothOnScreen, "smooth-edges");
    EXPECT_GT(countPixels(smoothOnScreen, isSectionRed), 100);
    // Exported pictures are smoothed too, whatever the view does.
    const QImage exported = window->view()->grabFramebuffer();
    EXPECT_GT(distinctColours(exported), distinctColours(drawn) * 5 / 4) << "mixed edge colours";

    window->menuItem("SmoothEdges1")->trigger();
    EXPECT_FALSE(state->smoothEdges);
    EXPECT_TRUE(state->smoothEdgesChosen);
    EXPECT_FALSE(window->menuItem("SmoothEdges1")->isChecked());
    paintStill();
    const QImage sharpOnScreen = onScreen(*window);
    EXPECT_GT(distinctColours(smoothOnScreen), distinctColours(sharpOnScreen) * 5 / 4)
        << "the screen showed the filtered frame";
    EXPECT_EQ(distinctColours(window->view()->grabFramebuffer()), distinctColours(exported));

    window->close();
    QFile file(QString::fromStdString(window->settingsFile().place().folder) + "kelo.ini");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("smoothedges=aus"));
}

TEST_F(WindowTest, TheEdgeFilterChangesOnlyEdgePixelsOfTheFrameOnScreen) {
    holdStartScene(120);
    paintStill();
    const QImage smoothOnScreen = onScreen(*window);
    window->setSmoothEdges(false);
    paintStill();
    const QImage sharpOnScreen = onScreen(*window);
    ASSERT_EQ(smoothOnScreen.size(), sharpOnScreen.size());
    // Pixels differ only where the sharp frame has an edge: beside a neighbour of another colour.
    int differing = 0, offEdges = 0;
    for (int y = 1; y + 1 < sharpOnScreen.height(); ++y) {
        for (int x = 1; x + 1 < sharpOnScreen.width(); ++x) {
            if (smoothOnScreen.pixel(x, y) == sharpOnScreen.pixel(x, y)) continue;
            ++differing;
            const QRgb own = sharpOnScreen.pixel(x, y);
            const bool besideEdge =
                sharpOnScreen.pixel(x - 1, y) != own || sharpOnScreen.pixel(x + 1, y) != own ||
                sharpOnScreen.pixel(x, y - 1) != own || sharpOnScreen.pixel(x, y + 1) != own;
            offEdges += !besideEdge;
        }
    }
    EXPECT_GT(differing, 1000);
    EXPECT_EQ(offEdges, 0);
}

TEST_F(WindowTest, HomeRestoresOnlyTheStartCamera) {
    stopDemos();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->menuItem("Flgeli2")->trigger();
    window->menuItem("ganz1")->trigger();
    QTest::keyClick(window.get(), Qt::Key_Home);
    EXPECT_FLOAT_EQ(state->cameraRotY, 60);
    EXPECT_FLOAT_EQ(state->cameraPanX, 0);
    EXPECT_FLOAT_EQ(state->zoom, 35);
    EXPECT_EQ(state->pipeMode, DisplayMode::Whole) << "unlike Default, the model stays";
}

TEST_F(WindowTest, PolygonModePresetViewAndColourShowAtOnceWithTheDemosStopped) {
    stopDemos();
    auto presentsAChange = [&](const std::function<void()>& command) {
        const QImage before = onScreen(*window);
        int frames = 0;
        const auto counting =
            QObject::connect(window->view(), &GLView::frameSwapped, [&] { ++frames; });
        command();
        const bool presented = QTest::qWaitFor([&] { return frames > 0; }, 5000);
        QObject::disconnect(counting);
        return presented && QTest::qWaitFor([&] { return onScreen(*window) != before; }, 5000);
    };
    EXPECT_TRUE(presentsAChange([&] { window->menuItem("GLLINE1")->trigger(); }));
    EXPECT_TRUE(presentsAChange([&] { window->menuItem("GLFILL1")->trigger(); }));
    EXPECT_TRUE(presentsAChange([&] { window->menuItem("Anschlussunten1")->trigger(); }));
    EXPECT_TRUE(presentsAChange([&] {
        state->backgroundRed = state->backgroundGreen = state->backgroundBlue = 0;
        window->applyBackgroundColour();
        window->FormPaint();
    }));
    // The very first frame after the change has the new colour.
    const QImage shown = onScreen(*window);
    EXPECT_EQ(shown.pixelColor(shown.width() - 3, shown.height() - 3), QColor(0, 0, 0));
}

TEST_F(WindowTest, MenuBarStaysReadableOnABlackBackground) {
    stopDemos();
    window->Image1DblClick();
    state->backgroundRed = state->backgroundGreen = state->backgroundBlue = 0;
    window->applyBackgroundColour();
    auto* bar = window->menuToolbar()->findChild<QMenuBar*>();
    ASSERT_TRUE(bar);
    const QPalette look = bar->palette();
    EXPECT_NE(look.color(QPalette::Window), QColor(Qt::black));
    const int text = qGray(look.color(QPalette::ButtonText).rgb());
    const int ground = qGray(look.color(QPalette::Button).rgb());
    EXPECT_GT(std::abs(text - ground), 100) << "text and ground far apart";
    EXPECT_EQ(bar->font().pixelSize() == 19, false) << "the desktop's font, not the form's";
    EXPECT_EQ(window->stepToolbar()->palette().color(QPalette::Window),
              look.color(QPalette::Window));
}

TEST_F(WindowTest, ControlsSayWhatTheyDoInBothLanguages) {
    const CaptionSet& english = englishCaptions();
    EXPECT_EQ(window->callout("Label2")->toolTip().toStdString(), english.textOf("Label2"));
    EXPECT_EQ(window->imageButton("ZoomIn_Image")->toolTip().toStdString(),
              english.textOf("ZoomIn_Image"));
    window->ApplyGermanCaptions();
    EXPECT_EQ(window->callout("Label6")->toolTip(), "Demos schneller");

    // The strip along the left edge has no control of its own: its tip shows where it is.
    window->ApplyEnglishCaptions();
    sendMove(window->view(), QPoint(2, 200));
    EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 5000));
    EXPECT_EQ(QToolTip::text(), "double-click: menu");
    sendMove(window->view(), QPoint(300, 200));
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 5000));
}

TEST_F(WindowTest, CalloutsAndOptionBoxesShowTheAccessoryFlagsInStep) {
    CreateSecondaryWindows(*window, *state);
    auto* options = window->findChild<TOptionenForm*>();
    ASSERT_TRUE(options);
    window->menuItem("TBItem1")->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(options));
    EXPECT_TRUE(options->CheckBox1->isChecked()) << "the scale is shown from the start";
    EXPECT_EQ(options->windowHandle()->transientParent(), window->windowHandle())
        << "stays above the main window";

    QTest::mouseClick(window->callout("Label2"), Qt::LeftButton);
    EXPECT_FALSE(state->scaleVisible);
    EXPECT_FALSE(options->CheckBox1->isChecked());
    options->CheckBox2->click();
    EXPECT_TRUE(state->insulationVisible);
    EXPECT_EQ(window->callout("Label1")->panelColour(), QColor(204, 0, 0));

    window->Defaul1Click();
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5"})
        EXPECT_EQ(window->callout(name)->panelColour(), QColor(255, 0, 0)) << name;
    EXPECT_FALSE(options->CheckBox2->isChecked());
    EXPECT_FALSE(state->switch1Visible || state->scaleVisible || state->insulationVisible);
}

TEST_F(WindowTest, AHeldZoomStopsWhenThePointerLeavesOrTheWindowLosesTheFocus) {
    stopDemos();
    auto* zoomIn = window->imageButton("ZoomIn_Image");
    QTest::mousePress(zoomIn, Qt::LeftButton);
    ASSERT_TRUE(window->zoomInTimer()->isActive());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(zoomIn, &leave);
    EXPECT_FALSE(window->zoomInTimer()->isActive()) << "no release will come";

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::mousePress(window->imageButton("ZoomOut_Image"), Qt::LeftButton);
    ASSERT_TRUE(window->zoomOutTimer()->isActive());
    QWidget other;
    other.show();
    other.activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isActiveWindow(); }, 5000));
    EXPECT_FALSE(window->zoomOutTimer()->isActive());
}
