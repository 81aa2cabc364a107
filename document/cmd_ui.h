#pragma once

// What an update handler says of a command: enabled, and checked where it
// has a check mark.
struct CCmdUI {
    bool enabled = true;
    // Whether the handler said anything about enabling; when it did not, the
    // command is enabled exactly when something handles it.
    bool enableChanged = false;
    bool hasCheck = false;
    bool checked = false;

    void Enable(bool on = true)
    {
        enabled = on;
        enableChanged = true;
    }
    void SetCheck(int check = 1)
    {
        hasCheck = true;
        checked = check != 0;
    }
};
