// Test main shared by every test executable: Qt runs offscreen, so no display is needed,
// and a QApplication exists for the tests that drive widgets, printers or the clipboard.
#include <QApplication>
#include <gtest/gtest.h>
#include <cstdlib>

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
