#pragma once

class QButtonGroup;

namespace platform {

// Tab and Shift+Tab enter a radio group on its checked radio and the arrows
// move within it, as on the desktop. While no radio is checked, or the
// checked one is disabled or hidden, every radio of the group is a tab stop.
// Follows the checks however they change; lives as long as the group.
void KeepTabStopOnChecked(QButtonGroup& group);

}  // namespace platform
