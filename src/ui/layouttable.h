#pragma once

#include <span>

namespace ui {

// What a row of a layout table builds.
enum class Kind {
    Caption,   // a label that names other controls
    Paragraph, // a label of running text, wrapped to the page's width
    Value,     // a label that shows a number the program works out
    Text,      // a single-line text box
    Memo,      // a multi-line text box
    Check,     // a check box
    Option,    // an option button; those of one page or group exclude each other
    List,      // a list box
    Button,
    Group, // a framed group: the rows up to the matching End sit inside it, in its own grid
    Strip, // a frameless run: the rows up to the matching End stand side by side, left to right
    End,
};

enum class State { Normal, Disabled, Selected };

// Where a control sits in the grid of its page or group. A span of -1 reaches the far edge.
struct Cell
{
    int row = 0;
    int col = 0;
    int rowSpan = 1;
    int colSpan = 1;
};

// One control of a page. A text box spanning one column is sized for a few digits, a wider
// one stretches. A multi-line box takes the room its page has to spare.
struct ControlRow
{
    Kind kind;
    const char *name; // the fixed object name; empty for captions nobody addresses
    const char *text; // caption, default text, or a list's items separated by '|'
    Cell at;
    int limit = 0;                // typing limit of a text box; 0 for none
    State state = State::Normal;  // as the window opens
    const char *accessible = "";  // the label a screen reader gives a box or list
    const char *startupItem = ""; // the list item the start-up routine selects
};

struct PageTable
{
    const char *caption;     // the tab's caption
    const char *explanation; // the page's explanatory paragraph; empty for none
    std::span<const ControlRow> rows;
};

// The pages of `SSTab1`, in the order of their tabs.
std::span<const PageTable> pageTables();

// Shorthands that keep the tables one readable line per control.
constexpr ControlRow caption(const char *text, Cell at, const char *name = "")
{
    return {Kind::Caption, name, text, at};
}
constexpr ControlRow paragraph(const char *name, const char *text, Cell at)
{
    return {Kind::Paragraph, name, text, at};
}
constexpr ControlRow value(const char *name, const char *text, Cell at)
{
    return {Kind::Value, name, text, at};
}
constexpr ControlRow box(const char *name, const char *text, Cell at, const char *accessible,
                         int limit = 0)
{
    return {Kind::Text, name, text, at, limit, State::Normal, accessible};
}
constexpr ControlRow memo(const char *name, Cell at, const char *accessible)
{
    return {Kind::Memo, name, "", at, 0, State::Normal, accessible};
}
constexpr ControlRow check(const char *name, const char *text, Cell at, State state = State::Normal)
{
    return {Kind::Check, name, text, at, 0, state};
}
constexpr ControlRow option(const char *name, const char *text, Cell at,
                            State state = State::Normal)
{
    return {Kind::Option, name, text, at, 0, state};
}
constexpr ControlRow list(const char *name, const char *items, Cell at, const char *accessible,
                          const char *startupItem)
{
    return {Kind::List, name, items, at, 0, State::Normal, accessible, startupItem};
}
constexpr ControlRow button(const char *name, const char *text, Cell at,
                            State state = State::Normal)
{
    return {Kind::Button, name, text, at, 0, state};
}
constexpr ControlRow group(const char *name, const char *text, Cell at)
{
    return {Kind::Group, name, text, at};
}
constexpr ControlRow strip(Cell at)
{
    return {Kind::Strip, "", "", at};
}
constexpr ControlRow end()
{
    return {Kind::End, "", "", {}};
}

} // namespace ui
