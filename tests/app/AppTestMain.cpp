#include <QApplication>

#include <gtest/gtest.h>

// The screens need a QApplication; the offscreen platform gives them one without a display.
int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
