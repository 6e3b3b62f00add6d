// The browser's start frame (a screenshot of the page's view, written by view.test.mjs) against
// the desktop program's start frame at the same size (web_reference_frame, through libGL): at
// least 99 % of the pixels within 8/255 per channel. Where it fails, a difference map (differing
// pixels red over the desktop frame in grey) goes beside the two pictures.
#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

constexpr int tolerance = 8;           // per channel, of 255
constexpr double requiredClose = 0.99; // share of pixels within the tolerance

bool close(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

} // namespace

TEST(FrameParity, TheBrowsersStartFrameLooksAsTheDesktopsOne) {
    const std::string folder = WEB_PICTURES;
    const QImage desktop(QString::fromStdString(folder + "/desktop-start-frame.ppm"));
    const QImage browser(QString::fromStdString(folder + "/start-frame.png"));
    ASSERT_FALSE(desktop.isNull()) << "no desktop frame in " << folder;
    ASSERT_FALSE(browser.isNull()) << "no browser frame in " << folder;
    ASSERT_EQ(browser.size(), desktop.size());

    const int w = desktop.width(), h = desktop.height();
    QImage map(w, h, QImage::Format_RGB32);
    const QRgb background = desktop.pixel(0, 0);
    long long closePixels = 0, drawn = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb a = desktop.pixel(x, y), b = browser.pixel(x, y);
            const bool same = close(a, b);
            closePixels += same;
            drawn += a != background;
            const int grey = qGray(a) / 2 + 64;
            map.setPixel(x, y, same ? qRgb(grey, grey, grey) : qRgb(255, 0, 0));
        }
    const double share = double(closePixels) / (double(w) * h);
    std::printf("%.4f %% of the pixels within %d/255\n", 100 * share, tolerance);
    EXPECT_GT(double(drawn) / (double(w) * h), 0.05) << "the desktop frame shows the model";
    const std::string mapFile = folder + "/start-frame-difference.png";
    std::remove(mapFile.c_str());
    EXPECT_GE(share, requiredClose);
    if (share < requiredClose) {
        map.save(QString::fromStdString(mapFile));
        ADD_FAILURE() << "difference map: " << mapFile;
    }
}
