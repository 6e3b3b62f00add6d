// Pictures of the rendered model: the chamber of each closure family whole and cut away, the
// flap column at two levels, the display modes. Pixels of the parts are probed; a few pictures
// of a scene held still are compared with stored baselines, the others are written to the
// build folder for a look by eye.
#include "Baseline.h"
#include "SceneProjection.h"
#include "WindowFixture.h"

#include "dialogs/Optionen.h"

namespace {

int countPixels(const QImage& image, auto predicate) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (predicate(image.pixelColor(x, y))) ++n;
    return n;
}

bool isSectionRed(const QColor& c) {
    return c.red() > 200 && c.green() < 60 && c.blue() < 60;
}

} // namespace

class SceneRenderingTest : public WindowTest {
  protected:
    // Chooses a type the way the user does, in the options dialog.
    void selectType(const std::string& type) {
        if (!options) options = std::make_unique<TOptionenForm>(window->core().options());
        options->ComboBox4->setCurrentText(QString::fromStdString(type));
        window->core().options().ComboBox4Change(options->ComboBox4->currentIndex());
    }
    QImage render() {
        paintStill();
        return frame();
    }
    std::unique_ptr<TOptionenForm> options;
};

TEST_F(SceneRenderingTest, ChamberOfEachClosureFamilyWholeAndCutAway) {
    stopDemos();
    state->tankMode = DisplayMode::Off;
    state->floatMode = state->railMode = state->flapMode = DisplayMode::Off;
    state->switch1Visible = state->switch2Visible = state->transmitterVisible = false;
    state->scaleVisible = false;
    state->cameraRotY = 60;
    for (const std::string type : {"R-760", "R-410", "R-650"}) {
        selectType(type);
        state->pipeMode = DisplayMode::Whole;
        const QImage whole = render();
        savePicture(whole, QString::fromStdString("chamber-whole-" + type));
        state->pipeMode = DisplayMode::Cut;
        const QImage cut = render();
        savePicture(cut, QString::fromStdString("chamber-cut-" + type));
        EXPECT_GT(countPixels(cut, isSectionRed), 200) << type << ": red cut faces show";
        EXPECT_LT(countPixels(whole, isSectionRed), countPixels(cut, isSectionRed)) << type;
    }
}

TEST_F(SceneRenderingTest, FlapsShowTheFullColourBelowTheLevelAndTheEmptyColourAbove) {
    stopDemos();
    state->cameraRotY = 0; // the flaps face the viewer
    state->zoom = 60;
    state->cameraPanY = 0;
    for (const float level : {120.0f, 300.0f}) {
        state->level = level;
        const QImage image = render();
        if (level == 120)
            EXPECT_TRUE(matchesBaseline(image, "flaps-level-120"));
        else
            savePicture(image, QString("flaps-level-%1").arg(int(level)));
        const float front = state->pipeOuterRadius + 14.5f;
        for (int k = 0; k < 40; k += 3) {
            const float y = 10.0f * k;
            if (std::abs(y - level) < 40) continue; // turning flaps near the level
            const QPoint p =
                projectChamberPoint(*state, {8.5f, y + 2, front}, window->view()->size());
            const QColor c = image.pixelColor(p);
            if (y < level)
                EXPECT_GT(c.red(), 2 * c.green() + 20) << "flap " << k << " at level " << level;
            else
                EXPECT_GT(c.green(), 150) << "flap " << k << " at level " << level;
        }
    }
}

namespace {
// Sum of each channel over the upper switch read-out's "on" symbol.
std::array<long, 3> upperSwitchSymbolColour(const QImage& image, float anchorX) {
    const QPoint a = projectEyePoint({anchorX + 10.5f, 100, -1500}, image.size());
    const QPoint b = projectEyePoint({anchorX + 24.5f, 114, -1500}, image.size());
    std::array<long, 3> sum{};
    for (int y = b.y(); y <= a.y(); ++y)
        for (int x = a.x(); x <= b.x(); ++x) {
            const QColor c = image.pixelColor(x, y);
            sum[0] += c.red(), sum[1] += c.green(), sum[2] += c.blue();
        }
    return sum;
}
} // namespace

TEST_F(SceneRenderingTest, DefaultWindowShowsTheReadoutsAndTheSwitchTintFollowsTheLevel) {
    stopDemos();
    const QSize size = window->view()->size();
    const float anchorX = float(size.width()) / float(size.height()) * 200 - 40;
    state->level = 200;
    const QImage calm = render();
    savePicture(calm, "default-window");
    state->level = 350; // above the upper switch point 320
    const QImage tripped = render();
    savePicture(tripped, "default-window-upper-switch-tripped");

    const auto off = upperSwitchSymbolColour(calm, anchorX);
    const auto on = upperSwitchSymbolColour(tripped, anchorX);
    EXPECT_GT(off[2], off[0]) << "untripped symbols are tinted cyan";
    EXPECT_GT(on[0], on[2]) << "tripped symbols are tinted red";

    // The transmitter's text window is black with the percentage in light red.
    const QPoint textCentre = projectEyePoint({anchorX - 23, 135 + 23, -1501}, size);
    const QPoint textCorner = projectEyePoint({anchorX - 41, 135 + 13, -1501}, size);
    EXPECT_LT(calm.pixelColor(textCorner).lightness(), 40);
    int lit = 0;
    for (int dx = -30; dx <= 30; ++dx)
        if (calm.pixelColor(textCentre + QPoint(dx, 0)).red() > 150) ++lit;
    EXPECT_GT(lit, 3) << "digits of the percentage";
}

TEST_F(SceneRenderingTest, DisplayModeCombinationsDrawWhatTheirMenusSay) {
    holdStartScene(250);
    window->menuItem("nichtsgeschnitten1")->trigger();
    const QImage whole = render();
    EXPECT_TRUE(matchesBaseline(whole, "all-whole"));
    window->menuItem("N5")->trigger();
    const QImage cut = render();
    savePicture(cut, "modes-all-cut");
    window->menuItem("aus1")->trigger();
    const QImage pipeOff = render();
    savePicture(pipeOff, "modes-pipe-off");
    window->menuItem("GLLINE1")->trigger();
    const QImage lines = render();
    EXPECT_TRUE(matchesBaseline(lines, "wire-frame"));

    const int redWhole = countPixels(whole, isSectionRed);
    const int redCut = countPixels(cut, isSectionRed);
    EXPECT_GT(redCut, redWhole + 500) << "cut faces appear when everything is cut away";
    auto isLiquid = [](const QColor& c) { return c.blue() > 150 && c.red() < 110; };
    EXPECT_GT(countPixels(cut, isLiquid), countPixels(pipeOff, isLiquid) + 500)
        << "without the pipe neither chamber liquid nor tank is drawn";
    auto isBackground = [](const QColor& c) {
        return std::abs(c.red() - 164) <= 1 && std::abs(c.green() - 190) <= 1 && c.blue() == 255;
    };
    EXPECT_GT(countPixels(lines, isBackground), countPixels(pipeOff, isBackground))
        << "wire frame leaves more of the background visible";
}

TEST_F(SceneRenderingTest, EveryTypeWholeAsTheOptionsDialogSetsItUp) {
    stopDemos();
    window->menuItem("nichtsgeschnitten1")->trigger();
    std::map<std::string, int> modelPixels;
    for (const char* type : {"R-410", "R-520", "R-530", "R-640", "R-650", "R-760"}) {
        selectType(type);
        const QImage picture = render();
        savePicture(picture, QString("type-whole-") + type);
        modelPixels[type] = countPixels(picture, [](const QColor& c) {
            return std::abs(c.red() - 164) > 3 || std::abs(c.green() - 190) > 3;
        });
        EXPECT_GT(modelPixels[type], 20000) << type;
    }
    EXPECT_NE(modelPixels["R-410"], modelPixels["R-760"]) << "dished cap against end fittings";
    EXPECT_NE(modelPixels["R-520"], modelPixels["R-640"]) << "no connections against FDefault";
}
