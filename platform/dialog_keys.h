#pragma once

class QButtonGroup;
class QScrollBar;
class QSlider;
class QWidget;

namespace platform {

// Tab and Shift+Tab enter a radio group on its checked radio and the arrows
// move within it, as on the desktop. While no radio is checked, or the
// checked one is disabled or hidden, every radio of the group is a tab stop.
// Follows the checks however they change; lives as long as the group.
void KeepTabStopOnChecked(QButtonGroup& group);

// A dialog's scroll bar as a tab stop that takes the keys as on the desktop:
// Left and Up a line back, Right and Down a line on, Page Up and Page Down
// a page, Home and End the ends. Each goes through actionTriggered, as the
// arrows do; a click still leaves the focus where it is.
void TakeKeys(QScrollBar& bar);

// A vertical slider's Up and Page Up move its thumb up, also where its least
// value stands at the top (inverted appearance); the wheel keeps Qt's way.
void TakeKeys(QSlider& slider);

// Puts content's focusable widgets, in their order, right after leader in
// the window's tab order: a page built after its sheet's buttons still
// comes between its tab and them.
void MoveAfterInTabOrder(QWidget& leader, QWidget& content);

}  // namespace platform
