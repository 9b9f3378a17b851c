#pragma once
// The main window's commands as actions, shared by the menu bar, the toolbar and the keys: a
// command disabled is disabled everywhere at once.
#include <array>

class QAction;
class QMenuBar;
class QToolBar;
class QWidget;

struct MainActions {
    QAction* load;
    QAction* save;
    QAction* send;
    QAction* factory;
    QAction* printer;
    QAction* exit;
    std::array<QAction*, 7> pages;  // in tab order
    QAction* helpContents;
    QAction* about;
};

// The actions, owned by and added to the window, so their keys work wherever its focus is.
MainActions CreateMainActions(QWidget* window);
// The three drop-downs: file commands, pages, help.
void FillMenuBar(QMenuBar* bar, const MainActions& actions);
// The five command buttons between separators, each with its tooltip, shown also to a mouse that
// rests on a button without having moved there.
void FillToolBar(QToolBar* bar, const MainActions& actions);
