#pragma once
// The main window's commands as actions, shared by the menu bar, the toolbar and the keys: a
// command disabled is disabled everywhere at once.
#include <QList>
#include <QString>

#include "res/Images.h"

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
    QList<QAction*> pages;  // in tab order
    QAction* helpContents;
    QAction* about;
};

// A page's command in the Menu drop-down: its text, its key with Ctrl, its picture.
struct PageCommand {
    QString text;
    Qt::Key key;
    res::MenuImage image;
};

// The actions, owned by and added to the window, so their keys work wherever its focus is.
MainActions CreateMainActions(QWidget* window, const QList<PageCommand>& pages);
// The three drop-downs: file commands, pages, help.
void FillMenuBar(QMenuBar* bar, const MainActions& actions);
// The five command buttons between separators, each with its tooltip, shown also to a mouse that
// rests on a button without having moved there.
void FillToolBar(QToolBar* bar, const MainActions& actions);
