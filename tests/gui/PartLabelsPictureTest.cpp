// The part labels in the main window's pictures: the key L shows them, and a saved picture with
// them differs from one without only where their panels and leader lines stand.
#include "SceneProjection.h"
#include "WindowFixture.h"

#include "app/frame/Camera.h"
#include "overlay/gl/PartLabels.h"

#include <QApplication>
#include <QClipboard>
#include <QPainter>

namespace {

const QSize slide(1920, 1080);

// Where the labels may change the picture: their panels and leader lines, a few pixels wider.
QImage labelArea(const std::vector<PlacedLabel>& labels) {
    QImage area(slide, QImage::Format_Grayscale8);
    area.fill(0);
    QPainter painter(&area);
    painter.setPen(QPen(Qt::white, 7));
    const auto pixel = [](float x, float y) { return projectEyePoint({x, y, -1500}, slide); };
    for (const PlacedLabel& label : labels) {
        painter.fillRect(QRect(pixel(label.left, label.bottom + label.height),
                               pixel(label.left + label.width, label.bottom))
                             .adjusted(-3, -3, 3, 3),
                         Qt::white);
        for (const PlanePoint& anchor : label.anchors) {
            const PlanePoint start = lineStart(label, anchor);
            painter.drawLine(pixel(start.x, start.y), pixel(anchor.x, anchor.y));
            painter.fillRect(QRect(pixel(anchor.x, anchor.y), QSize()).adjusted(-8, -8, 8, 8),
                             Qt::white);
        }
    }
    return area;
}

} // namespace

TEST_F(WindowTest, PartLabelsChangeASavedPictureOnlyWhereTheyStand) {
    holdStartScene(200);
    QTemporaryDir folder;
    ASSERT_TRUE(window->SavePicture(folder.filePath("plain.png"), slide));
    window->activateWindow(); // the key reaches the window that has the focus
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_L);
    ASSERT_TRUE(state->partLabelsShown) << "L works while the menu bar is hidden";
    ASSERT_TRUE(window->SavePicture(folder.filePath("labels.png"), slide));
    const QImage plain(folder.filePath("plain.png")), labelled(folder.filePath("labels.png"));
    savePicture(labelled, "part-labels-start");

    const auto labels = window->core().partLabels(slide.width(), slide.height());
    ASSERT_EQ(labels.size(), 8u);
    const QImage area = labelArea(labels);
    int changed = 0, changedOutside = 0;
    for (int y = 0; y < slide.height(); ++y)
        for (int x = 0; x < slide.width(); ++x)
            if (plain.pixel(x, y) != labelled.pixel(x, y)) {
                ++changed;
                if (qGray(area.pixel(x, y)) == 0) ++changedOutside;
            }
    EXPECT_EQ(changedOutside, 0);
    for (const PlacedLabel& label : labels) {
        const QPoint centre = projectEyePoint(
            {label.left + label.width / 2, label.bottom + label.height / 2, -1500}, slide);
        EXPECT_NE(plain.pixel(centre), labelled.pixel(centre)) << "a panel at " << label.text;
    }
    EXPECT_GT(changed, 20000);

    // Copy picture goes the same way.
    window->menuItem("CopyPicture1")->trigger();
    const QImage copied = QApplication::clipboard()->image();
    EXPECT_EQ(copied, window->view()->renderPicture(window->view()->devicePixels()));
    state->partLabelsShown = false;
    EXPECT_NE(copied, window->view()->renderPicture(window->view()->devicePixels()));
    state->partLabelsShown = true;

    // Pictures to look at: German, and a preset view.
    window->core().ApplyGermanCaptions();
    ASSERT_TRUE(window->SavePicture(folder.filePath("german.png"), slide));
    savePicture(QImage(folder.filePath("german.png")), "part-labels-german");
    ApplyPresetView(*state, PresetView::BottomEnd);
    ASSERT_TRUE(window->SavePicture(folder.filePath("preset.png"), slide));
    savePicture(QImage(folder.filePath("preset.png")), "part-labels-bottom-end");
    EXPECT_NE(QImage(folder.filePath("german.png")), labelled);
}
