// Opening a secondary window from a menu: modeless, in front, and the first time centred over
// the window it was opened from.
#pragma once

class QWidget;

void ShowInFront(QWidget* window, const QWidget* owner);
