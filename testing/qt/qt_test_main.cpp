// One QApplication for every widget test. The tests run offscreen unless told
// otherwise, also when CTest lists them, on the two screens of
// offscreen_screens.json: "Wide", 1920 x 1440 at (0, 0), the primary one, and
// "Small", 1024 x 768 to its right at (1920, 0).
#include <QApplication>
#include <QtGlobal>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen") qputenv("QT_QPA_PLATFORM", MOSTREL_TEST_QPA_PLATFORM);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
