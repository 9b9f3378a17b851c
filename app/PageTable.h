#pragma once
// The settings pages in tab order, each with what the window shows of it: the tab with its
// picture, and the command of the Menu drop-down with its key and picture.
#include <QList>
#include <QString>
#include <span>

#include "res/Images.h"
#include "ui/MainActions.h"

class SettingsPage;

struct PageEntry {
    SettingsPage* (*create)();
    const char* caption;  // on the tab; UTF-8, both texts as written: TabCaption() translates
    int tabImage;         // in the tab strip
    const char* menuText;
    Qt::Key key;  // with Ctrl
    res::MenuImage menuImage;
};

std::span<const PageEntry> PageTable();
// The tab's caption in the user's language.
QString TabCaption(const PageEntry& page);
// The Menu drop-down's commands, in tab order.
QList<PageCommand> PageCommands();
