#!/usr/bin/python3
"""Reads bmk540's windows as a screen reader does, over AT-SPI, and fails when a control that
Tab reaches has no name to speak.

It walks the printer selection that opens at start, the main window on each of its pages, the
format dialog and the about dialog, as a screen reader user reaches them: the dialogs' buttons
and the page tabs are pressed through AT-SPI actions, the Help menu is opened through its
action and its last item chosen with its key. Nothing here relies on a window's or a
control's wording, so the check runs in every language.

usage: accessible_names.py [--list]   (bmk540 already started with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
on the same session bus and display; --list prints every control with its name and description)
"""
import subprocess
import sys
import time

import pyatspi

DEADLINE = 30  # seconds for any one thing to appear

# What Tab stops at: edits, numeric and spin edits, sliders, combo boxes, radio buttons, check
# boxes, buttons, tables and lists, and the tabs of a tab bar.
CONTROLS = {
    pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_SPIN_BUTTON,
    pyatspi.ROLE_SLIDER, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE,
    pyatspi.ROLE_TREE, pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_PAGE_TAB,
}


def wait_for(what, find):
    """The first true result of find(), polled until the deadline."""
    end = time.monotonic() + DEADLINE
    while True:
        found = find()
        if found:
            return found
        if time.monotonic() > end:
            sys.exit(f"accessible_names: {what} did not appear within {DEADLINE} s")
        time.sleep(0.05)


def children(acc):
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield child


def showing(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def descendants(acc):
    for child in children(acc):
        yield child
        # A combo box's list is its drop-down, spoken as the combo box's items.
        if child.getRole() != pyatspi.ROLE_COMBO_BOX:
            yield from descendants(child)


def labels(acc):
    return [target.name for relation in acc.getRelationSet()
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
            for target in (relation.getTarget(i) for i in range(relation.getNTargets())) if target.name]


def spoken_name(acc):
    """What a screen reader says the control is. Qt gives a combo box its current item as its
    name on Linux, so only a label that names it counts there."""
    if acc.getRole() == pyatspi.ROLE_COMBO_BOX:
        return " / ".join(labels(acc))
    return acc.name or " / ".join(labels(acc))


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    return next((app for app in children(desktop) if app.name == "bmk540"), None)


def shown_windows(app, role):
    return [window for window in children(app) if window.getRole() == role and showing(window)]


def press(acc, action="Press"):
    actions = acc.queryAction()
    for i in range(actions.nActions):
        if actions.getName(i) == action:
            actions.doAction(i)
            return
    sys.exit(f"accessible_names: {acc.getRoleName()} '{acc.name}' has no action {action}")


def default_button(window):
    return next((c for c in descendants(window)
                 if c.getRole() == pyatspi.ROLE_PUSH_BUTTON and c.getState().contains(pyatspi.STATE_IS_DEFAULT)),
                None)


def key(*keys):
    # The focus window gets the keys, as from the keyboard.
    subprocess.run(["xdotool", "key", *keys], check=True)


class Check:
    def __init__(self, listing):
        self.listing = listing
        self.faults = []
        self.seen = 0

    def window(self, where, acc):
        """Every control shown needs a name: those Tab reaches, and the buttons a pointer or a
        screen reader's review reaches (toolbar buttons, arrows). Two that Tab reaches must not
        sound alike either."""
        if self.listing:
            print(f"== {where}")
        heard = {}
        for control in descendants(acc):
            if control.getRole() not in CONTROLS or not showing(control):
                continue
            self.seen += 1
            name = spoken_name(control)
            role = control.getRoleName()
            if self.listing:
                description = f"  [{control.description}]" if control.description else ""
                print(f"  {role}: {name or '(no name)'}{description}")
            if not name:
                self.faults.append(f"{where}: {role} without a name (value '{control.name}', index "
                                   f"{control.getIndexInParent()} in {control.parent.getRoleName()} "
                                   f"'{control.parent.name}')")
            elif control.getState().contains(pyatspi.STATE_FOCUSABLE):
                said = (role, control.name if control.getRole() != pyatspi.ROLE_COMBO_BOX else "",
                        tuple(labels(control)))
                if said in heard:
                    self.faults.append(f"{where}: two {role}s sound alike: '{name}'")
                heard[said] = True


def main():
    check = Check("--list" in sys.argv)
    app = wait_for("bmk540 on the accessibility bus", application)

    # With two printers the selection opens first.
    chooser = wait_for("the printer selection", lambda: shown_windows(app, pyatspi.ROLE_DIALOG))[0]
    wait_for("the printer selection's default button", lambda: default_button(chooser))
    check.window(f"dialog '{chooser.name}'", chooser)
    press(default_button(chooser))

    frame = wait_for("the main window", lambda: shown_windows(app, pyatspi.ROLE_FRAME))[0]
    tab_list = wait_for("the page tabs", lambda: next(
        (c for c in descendants(frame) if c.getRole() == pyatspi.ROLE_PAGE_TAB_LIST), None))
    tabs = [tab for tab in children(tab_list) if tab.getRole() == pyatspi.ROLE_PAGE_TAB]
    # The pages, in the order of their tabs.
    pages = list(children(next(c for c in descendants(frame) if c.getRole() == pyatspi.ROLE_LAYERED_PANE)))
    for tab, page in zip(tabs, pages):
        press(tab)
        wait_for(f"page '{tab.name}'", lambda: showing(page))
        check.window(f"page '{tab.name}'", frame)

    # The function select page's one button opens the format dialog.
    press(tabs[0])
    wait_for("the function select page", lambda: showing(pages[0]))
    press(next(c for c in descendants(pages[0]) if c.getRole() == pyatspi.ROLE_PUSH_BUTTON))
    dialog = wait_for("the format dialog", lambda: shown_windows(app, pyatspi.ROLE_DIALOG))[0]
    wait_for("the format dialog's buttons", lambda: default_button(dialog))
    check.window(f"dialog '{dialog.name}'", dialog)
    key("Escape")
    wait_for("the format dialog to close", lambda: not shown_windows(app, pyatspi.ROLE_DIALOG))

    # Help is the menu bar's last menu, the about item its last item.
    menu_bar = next(c for c in children(frame) if c.getRole() == pyatspi.ROLE_MENU_BAR)
    help_menu = list(children(menu_bar))[-1]
    press(help_menu, "ShowMenu")
    popup = next(children(help_menu))
    wait_for("the Help menu", lambda: showing(popup))
    about_item = [c for c in children(popup) if c.getRole() == pyatspi.ROLE_MENU_ITEM][-1]
    about_keys = about_item.queryAction().getKeyBinding(0)
    key(about_keys.split("+")[-1].lower())
    about = wait_for("the about dialog", lambda: shown_windows(app, pyatspi.ROLE_DIALOG))[0]
    wait_for("the about dialog's button", lambda: default_button(about))
    check.window(f"dialog '{about.name}'", about)
    key("Escape")
    wait_for("the about dialog to close", lambda: not shown_windows(app, pyatspi.ROLE_DIALOG))

    print(f"accessible_names: {check.seen} controls read, {len(check.faults)} faults")
    for fault in check.faults:
        print(f"  {fault}")
    return 1 if check.faults else 0


if __name__ == "__main__":
    sys.exit(main())
