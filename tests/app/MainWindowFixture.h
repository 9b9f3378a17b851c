#pragma once
// The main window on an in-memory spooler, with a scripted user, a temporary executable
// directory and a simulated process exit.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>

#include "app/MainPanelDialog.h"
#include "platform/InMemoryPrinterSystem.h"
#include "tests/support/OldScriptedUser.h"

// What the program's process exit becomes in tests.
struct ProcessExitRequested {
    int status;
};

class MainWindowTest : public ::testing::Test {
public:
    // A printer with the model's driver on a normal device.
    static platform::InMemoryPrinter ModelPrinter(const std::string& name,
                                                  const std::string& device = "USB001");

protected:
    MainWindowTest();
    ~MainWindowTest() override;

    // Creates the window (running its start-up) and shows it active.
    void StartMainWindow();
    bool SendEnabledInMenu();
    bool SendEnabledInToolbar();
    // Sets the current image's bytes through the pages: load it, as a file would.
    void LoadIntoPages(const settings::SettingsImage& image);
    QString TempPath(const QString& name) const;

    platform::InMemoryPrinterSystem printers;
    OldScriptedUser user;
    QTemporaryDir dir;
    std::unique_ptr<MainPanelDialog> main;
};
