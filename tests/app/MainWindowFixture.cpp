#include "tests/app/MainWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QTest>

#include "help/HelpViewer.h"
#include "pages/NumericEdit.h"
#include "platform/ExecutableDirectory.h"

MainWindowTest::MainWindowTest() {
    printers.addPrinter(testing_support::ModelPrinter("Quill"));
    platform::SetPrinterSystemForTesting(&printers);
    platform::SetExecutableDirectoryForTesting(dir.path());
    help::SetHelpOpenerForTesting([](const QString&) { return true; });
}

MainWindowTest::~MainWindowTest() {
    main.reset();
    platform::SetPrinterSystemForTesting(nullptr);
    platform::SetExecutableDirectoryForTesting(QString());
    help::SetHelpOpenerForTesting({});
}

void MainWindowTest::StartMainWindow() {
    main = std::make_unique<MainWindow>();
    ASSERT_TRUE(main->start());
    testing_support::ShowAndActivate(main.get());
}

bool MainWindowTest::SendEnabled() const {
    return main->actions().send->isEnabled();
}

void MainWindowTest::LoadIntoPages(const settings::SettingsImage& image) {
    main->loadAllPages(image);
    main->dataCheck();
}

QString MainWindowTest::TempPath(const QString& name) const {
    return dir.filePath(name);
}

NumericEdit* MainWindowTest::CutSheet() const {
    return Control<NumericEdit>(1, "cutSheet");
}

void MainWindowTest::Press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : main.get(), key, modifiers);
}
