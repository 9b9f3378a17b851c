#pragma once
// The main window on an in-memory spooler, with a scripted user and a temporary executable
// directory.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>

#include "app/MainWindow.h"
#include "pages/SettingsPage.h"
#include "tests/support/InMemoryPrinterSystem.h"
#include "tests/support/ScriptedUser.h"
#include "tests/support/WidgetHelpers.h"

class NumericEdit;

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest();
    ~MainWindowTest() override;

    // Creates the window, runs its start-up and shows it active.
    void StartMainWindow();
    // The command's state, the menu's and the toolbar's at once.
    bool SendEnabled() const;
    // Sets the current image's bytes through the pages: load it, as a file would.
    void LoadIntoPages(const settings::SettingsImage& image);
    QString TempPath(const QString& name) const;
    // A control of a page by its name.
    template <class T = QWidget>
    T* Control(int page, const char* name) const {
        return testing_support::Child<T>(main->page(page), name);
    }
    NumericEdit* CutSheet() const;
    // Presses a key where the user's keys go: the focused control, else the window.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier);

    testing_support::InMemoryPrinterSystem printers;
    ScriptedUser user;
    QTemporaryDir dir;
    std::unique_ptr<MainWindow> main;
};
