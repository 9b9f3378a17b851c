#pragma once
#include <functional>

// Mixin for our control widgets: where their notification codes go.
class ControlNotifier {
public:
    std::function<void(int code)> notify;
    void Notify(int code) {
        if (notify)
            notify(code);
    }
};
