#pragma once

// What an update handler says of a command: enabled, and checked where it
// has a check mark.
struct CCmdUI {
    bool enabled = true;
    bool hasCheck = false;
    bool checked = false;

    void Enable(bool on = true) { enabled = on; }
    void SetCheck(int check = 1)
    {
        hasCheck = true;
        checked = check != 0;
    }
};
