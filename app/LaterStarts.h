#pragma once
// What the running window does when the program is started again: it comes forward (or the
// dialog it shows does) and opens the file the later start was given, as the load command would.
class MainWindow;

namespace platform {
class SingleInstance;
}

void ServeLaterStarts(platform::SingleInstance& instance, MainWindow& window);
