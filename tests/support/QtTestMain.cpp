// The entry of the test programs that use widgets: one application object for the whole run.
// Without a platform chosen they take the offscreen one, since the build lists the tests
// outside the test environment.

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    int Result = 0;
    {
        QApplication Application(argc, argv);
        testing::InitGoogleTest(&argc, argv);
        Result = RUN_ALL_TESTS();
    }
    // The results are known and written: the program ends here, before the exit handlers,
    // where the D-Bus library's connection thread can still be tearing down the buses the
    // tests reached and sometimes fails on an object already gone.
    std::fflush(nullptr);
    std::_Exit(Result);
}
