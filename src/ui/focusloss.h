#pragma once

#include <Qt>

#include <functional>

class QWidget;

namespace ui {

// Runs `check` each time `box` loses the focus to another control of this window, whether or
// not its text changed. A message box, a menu or another window taking the focus is not such
// a loss: otherwise the box the focus had just reached would run its own check while the
// first check's message shows, and the checks would cascade.
void onFocusLoss(QWidget *box, std::function<void()> check);
// The same, for a check that needs to know how the focus left: a mouse press, a key, ...
void onFocusLoss(QWidget *box, std::function<void(Qt::FocusReason)> check);

// Ctrl+Tab (with Shift: backwards) moves the focus on from `box` as Tab does, where the box
// would otherwise type a tab or let the key go by.
void ctrlTabMovesOn(QWidget *box);

} // namespace ui
