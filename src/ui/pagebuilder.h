#pragma once

class QWidget;

namespace ui {

struct PageTable;

// One page of `SSTab1` as its table lists it: the explanatory paragraph on top, then the
// controls in their grid, in the table's order, which is also their Tab order.
QWidget *buildPage(const PageTable &table, QWidget *parent);

} // namespace ui
