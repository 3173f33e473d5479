// The GUI tests run headless: Qt's offscreen platform, one QApplication for all of them.
#include <clocale>
#include <cstdlib>
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    std::setlocale(LC_TIME, "C");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
