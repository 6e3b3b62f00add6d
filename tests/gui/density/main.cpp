// Runs the high-density window tests: every window at twice the pixels of its logical size, as
// on a screen scaled to 200 %.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS(); // listing needs no display
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
