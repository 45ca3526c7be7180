// The test program's entry: the widget tests need one application object for the process.

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    QApplication Application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
