#include "tests/app/MainWindowFixture.h"

#include <QAction>

#include "platform/ExecutableDirectory.h"
#include "platform/HelpViewer.h"
#include "platform/ProcessExit.h"
#include "tests/support/WidgetHelpers.h"

MainWindowTest::MainWindowTest() {
    printers.addPrinter(ModelPrinter("Quill"));
    platform::SetPrinterSystemForTesting(&printers);
    platform::SetExecutableDirectoryForTesting(dir.path());
    platform::SetExitHandlerForTesting([](int status) { throw ProcessExitRequested{status}; });
    platform::SetHelpOpenerForTesting([](const QString&) { return true; });
}

MainWindowTest::~MainWindowTest() {
    main.reset();
    platform::SetPrinterSystemForTesting(nullptr);
    platform::SetExecutableDirectoryForTesting(QString());
    platform::SetExitHandlerForTesting({});
    platform::SetHelpOpenerForTesting({});
}

platform::InMemoryPrinter MainWindowTest::ModelPrinter(const std::string& name, const std::string& device) {
    platform::InMemoryPrinter p;
    p.name = name;
    p.device = device;
    p.makeAndModel = "ORV Quillstrike 540QZ7";
    return p;
}

void MainWindowTest::StartMainWindow() {
    main = std::make_unique<MainPanelDialog>();
    ASSERT_TRUE(main->Create());
    testing_support::ShowAndActivate(main->GetSafeHwnd());
}

bool MainWindowTest::SendEnabledInMenu() {
    return main->Menu().GetMenuState(res::ID_SEND_SETTINGS) == MF_ENABLED;
}

bool MainWindowTest::SendEnabledInToolbar() {
    return main->ToolBar().IsButtonEnabled(res::ID_TB_SEND);
}

void MainWindowTest::LoadIntoPages(const settings::SettingsImage& image) {
    main->LoadAllPages(image);
    main->DataCheck();
}

QString MainWindowTest::TempPath(const QString& name) const {
    return dir.filePath(name);
}
