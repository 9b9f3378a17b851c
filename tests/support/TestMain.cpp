// One main for every test executable: a QApplication on the offscreen platform in the C locale.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The texts are the system's own Japanese whatever locale starts the tests, here and in the
    // programs they run; a test that wants English installs it or sets a locale of its own.
    qputenv("LC_ALL", "C.UTF-8");
    qputenv("LANG", "C.UTF-8");
    qunsetenv("LANGUAGE");
    qunsetenv("LC_MESSAGES");
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
