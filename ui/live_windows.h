// The program's lifetime rule: it lives while one of its counted windows is open.
// The window layer counts every window of a counted class as it is created and
// destroyed, so no window procedure has to remember to report itself.
#pragma once

namespace ui {

struct LiveWindows {
    int count = 0;

    void opened() { ++count; }
    // True when the window that closed was the last one: the program may end.
    bool closed() {
        if (count > 0) --count;
        return count == 0;
    }
    // Nothing was opened, or everything opened has closed.
    bool none_left() const { return count == 0; }
};

}  // namespace ui
