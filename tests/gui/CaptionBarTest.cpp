// The gradient form's caption bar: ramps, button squares, hit-testing on the square borders,
// clicks on a shown form and its own system menu.
#include "dialogs/CaptionBar.h"
#include "dialogs/KeLoGradForm.h"

#include <QAction>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

std::vector<CaptionButton> buttonsOf(const std::vector<CaptionSquare>& squares) {
    std::vector<CaptionButton> buttons;
    for (const CaptionSquare& s : squares) buttons.push_back(s.button);
    return buttons;
}

using B = CaptionButton;

} // namespace

TEST(CaptionGeometry, RampsRunFromBlueToWhiteAndFromBlueToBlack) {
    const CaptionRamp& active = activeCaptionRamp();
    const CaptionRamp& inactive = inactiveCaptionRamp();
    EXPECT_EQ(active[0], qRgb(0, 0, 255));
    EXPECT_EQ(active[100], qRgb(100, 100, 255));
    EXPECT_EQ(active[255], qRgb(255, 255, 255));
    EXPECT_EQ(inactive[0], qRgb(0, 0, 255));
    EXPECT_EQ(inactive[100], qRgb(0, 0, 155));
    EXPECT_EQ(inactive[255], qRgb(0, 0, 0));
}

TEST(CaptionGeometry, RampStretchesEntries0To254OverTheWholeWidth) {
    const CaptionRamp& ramp = activeCaptionRamp();
    auto paint = [&](int width) {
        QImage image(width, 4, QImage::Format_RGB32);
        image.fill(Qt::red);
        QPainter p(&image);
        paintCaptionRamp(p, image.rect(), ramp);
        p.end();
        for (int x = 0; x < width; ++x)
            EXPECT_NE(image.pixel(x, 3), qRgb(255, 0, 0)) << "gap at " << x << " of " << width;
        return image;
    };
    const QImage wide = paint(510); // two pixels per entry
    EXPECT_EQ(wide.pixel(0, 0), ramp[0]);
    EXPECT_EQ(wide.pixel(255, 0), ramp[127]);
    EXPECT_EQ(wide.pixel(509, 0), ramp[254]);
    EXPECT_EQ(ramp[254], qRgb(254, 254, 255)) << "entry 255 never shows";
    const QImage narrow = paint(100); // the first entries get no pixel at all
    EXPECT_EQ(narrow.pixel(0, 0), ramp[2]);
    EXPECT_EQ(narrow.pixel(99, 0), ramp[254]);
    EXPECT_EQ(paint(1000).pixel(999, 2), ramp[254]);
}

TEST(CaptionGeometry, SquaresSitFromTheRightEdgeByWindowState) {
    const CaptionFlags all;
    const auto normal = captionSquares(300, 22, 16, ShownState::Normal, all);
    ASSERT_EQ(normal.size(), 4u);
    EXPECT_EQ(normal[0], (CaptionSquare{B::System, 1, 3, 16}));
    EXPECT_EQ(normal[1], (CaptionSquare{B::Close, 282, 3, 16}));
    EXPECT_EQ(normal[2], (CaptionSquare{B::Maximize, 264, 3, 16}));
    EXPECT_EQ(normal[3], (CaptionSquare{B::Minimize, 246, 3, 16}));
    EXPECT_EQ(buttonsOf(captionSquares(300, 22, 16, ShownState::Maximized, all)),
              (std::vector{B::System, B::Close, B::Restore, B::Minimize}));
    EXPECT_EQ(buttonsOf(captionSquares(300, 22, 16, ShownState::Minimized, all)),
              (std::vector{B::System, B::Close, B::Maximize, B::Restore}));

    // A disallowed button leaves its square empty; the others keep their places.
    const auto noMaximise =
        captionSquares(300, 22, 16, ShownState::Normal, {true, true, false, true});
    ASSERT_EQ(buttonsOf(noMaximise), (std::vector{B::System, B::Close, B::Minimize}));
    EXPECT_EQ(noMaximise[2].left, 246);
    EXPECT_EQ(
        buttonsOf(captionSquares(300, 22, 16, ShownState::Maximized, {false, true, true, false})),
        (std::vector{B::Close, B::Minimize}));

    EXPECT_EQ(captionTextRight(300, 16), 244) << "text stays left of the third square";
}

TEST(CaptionGeometry, ClicksOnASquareBorderHitNothing) {
    const auto squares = captionSquares(300, 22, 16, ShownState::Normal, CaptionFlags{});
    // Close spans x 282..298 and y 3..19, borders included.
    EXPECT_EQ(captionHit(squares, {283, 4}), B::Close);
    EXPECT_EQ(captionHit(squares, {297, 18}), B::Close);
    for (QPoint border : {QPoint(282, 10), QPoint(298, 10), QPoint(290, 3), QPoint(290, 19)})
        EXPECT_EQ(captionHit(squares, border), std::nullopt) << border.x() << "," << border.y();
    EXPECT_EQ(captionHit(squares, {281, 10}), std::nullopt) << "the gap between squares";
    EXPECT_EQ(captionHit(squares, {270, 10}), B::Maximize);
    EXPECT_EQ(captionHit(squares, {250, 10}), B::Minimize);
    EXPECT_EQ(captionHit(squares, {2, 4}), B::System);
    EXPECT_EQ(captionHit(squares, {1, 10}), std::nullopt);
    EXPECT_EQ(captionHit(squares, {150, 10}), std::nullopt);
}

TEST(CaptionGeometry, FrameEdgesForResizing) {
    const QSize size(200, 100);
    EXPECT_EQ(frameEdgesAt({0, 0}, size, 4), Qt::LeftEdge | Qt::TopEdge);
    EXPECT_EQ(frameEdgesAt({199, 99}, size, 4), Qt::RightEdge | Qt::BottomEdge);
    EXPECT_EQ(frameEdgesAt({196, 50}, size, 4), Qt::RightEdge);
    EXPECT_EQ(frameEdgesAt({195, 50}, size, 4), Qt::Edges());
}

namespace {

class GradientFormTest : public testing::Test {
  protected:
    void SetUp() override { open(FormBorder::Sizeable); }
    void open(FormBorder border) {
        form = std::make_unique<TGradientForm>(languageCode, border);
        form->setWindowTitle("Caption");
        form->setGeometry(100, 100, 320, 200);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    CaptionBar* bar() { return form->captionBar(); }
    // The centre of the square showing `button`.
    QPoint centreOf(CaptionButton button) {
        for (const CaptionSquare& s : bar()->squares())
            if (s.button == button) return {s.left + s.side / 2, s.top + s.side / 2};
        ADD_FAILURE() << "square not shown";
        return {};
    }
    void click(QPoint point) { QTest::mouseClick(bar(), Qt::LeftButton, {}, point); }
    QStringList menuTexts() {
        QStringList texts;
        for (QAction* a : form->systemMenu()->actions()) texts << a->text();
        return texts;
    }

    std::string languageCode = "gb";
    std::unique_ptr<TGradientForm> form;
};

} // namespace

TEST_F(GradientFormTest, CaptionBarSitsAboveTheClientArea) {
    EXPECT_EQ(bar()->height(), bar()->buttonSide() + 6);
    EXPECT_EQ(form->clientArea()->y(), bar()->geometry().bottom() + 1);
    EXPECT_EQ(bar()->width(), form->width() - 8) << "inside the sizeable frame";

    auto* replacement = new QWidget;
    form->setClientWidget(replacement);
    EXPECT_EQ(form->clientArea(), replacement);
    EXPECT_EQ(replacement->parentWidget(), form.get());
}

TEST_F(GradientFormTest, CloseSquareClosesButItsBorderDoesNot) {
    const CaptionSquare close = bar()->squares()[1];
    ASSERT_EQ(close.button, B::Close);
    click({close.left, close.top + 8});
    click({close.left + close.side, close.top + 8});
    EXPECT_TRUE(form->isVisible());
    click(centreOf(B::Close));
    EXPECT_FALSE(form->isVisible());
}

TEST_F(GradientFormTest, SecondSquareMaximisesAndThenRestores) {
    click(centreOf(B::Maximize));
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->isMaximized(); }, 5000));
    EXPECT_EQ(buttonsOf(bar()->squares()),
              (std::vector{B::System, B::Close, B::Restore, B::Minimize}));
    click(centreOf(B::Restore));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form->isMaximized(); }, 5000));
}

TEST_F(GradientFormTest, ThirdSquareMinimises) {
    click(centreOf(B::Minimize));
    EXPECT_TRUE(form->windowState() & Qt::WindowMinimized);
}

TEST_F(GradientFormTest, SystemSquareOpensTheOwnMenuAtTheMouse) {
    const QPoint at = centreOf(B::System);
    click(at);
    QMenu* menu = form->systemMenu();
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->pos(), bar()->mapToGlobal(at));
    EXPECT_EQ(menuTexts(), (QStringList{"&Restore", "&Move", "&Size", "Ma&ximize", "Mi&nimize", "",
                                        "&Close      Alt+F4"}));
    EXPECT_TRUE(menu->actions()[5]->isSeparator());
    const QList<int> commands{1001, 1002, 1003, 1005, 1004};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(menu->actions()[i]->data().toInt(), commands[i]);
    EXPECT_EQ(menu->actions()[6]->data().toInt(), 1006);
    menu->close();

    languageCode = "d"; // read again when the menu next opens
    click(at);
    EXPECT_EQ(menuTexts(), (QStringList{"&Wiederherstellen", "&Verschieben",
                                        QString::fromUtf8("&Gr\u00F6sse \u00E4ndern"),
                                        "Ma&ximieren", "Mi&nimieren", "", "&Schliessen  Alt+F4"}));
    menu->actions()[6]->trigger();
    EXPECT_FALSE(form->isVisible());
}

TEST_F(GradientFormTest, DialogBorderGreysTheWindowStateItems) {
    open(FormBorder::Dialog);
    EXPECT_EQ(buttonsOf(bar()->squares()), (std::vector{B::System, B::Close}));
    click(centreOf(B::System));
    std::vector<bool> enabled;
    for (QAction* a : form->systemMenu()->actions())
        if (!a->isSeparator()) enabled.push_back(a->isEnabled());
    EXPECT_EQ(enabled, (std::vector{false, true, false, false, false, true}));
    form->systemMenu()->close();
}

TEST_F(GradientFormTest, DraggingTheCaptionMovesTheWindow) {
    const QPoint start = form->pos();
    QWindow* window = form->windowHandle();
    const QPoint grip = bar()->mapTo(form.get(), QPoint(150, 10));
    QTest::mousePress(window, Qt::LeftButton, {}, grip);
    if (!bar()->movingByHand()) {
        QTest::mouseRelease(window, Qt::LeftButton, {}, grip);
        GTEST_SKIP() << "a window manager moves the window; synthetic moves cannot follow it";
    }
    QTest::mouseMove(window, grip + QPoint(40, 25));
    // The window followed the pointer, so the pointer is back over the grip.
    QTest::mouseRelease(window, Qt::LeftButton, {}, grip);
    // The window system reports the new place when it has moved the window.
    const QPoint moved = start + QPoint(40, 25);
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->pos() == moved; }, 5000));
    EXPECT_EQ(form->pos(), moved);
}
