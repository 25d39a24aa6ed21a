#pragma once
// The board as assistive technologies see it: a table of 6 x 6 cells, each named in the
// game's notation with its content and state (see cell_description.h); the keyboard
// cursor's cell is the focus. The OpenGL viewport is otherwise an unnamed, empty widget.

#include <QAccessibleWidget>
#include <QRect>
#include <array>
#include <string>

namespace circumvia::control {

// What the table reads from the window.
class BoardReader {
public:
    virtual ~BoardReader() = default;
    virtual std::string BoardCellName(int cell) const = 0;
    virtual QString BoardName() const = 0;
    // The piece chosen to move.
    virtual bool BoardCellSelected(int cell) const = 0;
    // The keyboard cursor's cell, 0 when it is off.
    virtual int BoardFocusCell() const = 0;
    // Where the cell is, in the viewport's coordinates.
    virtual QRect BoardCellRect(int cell) const = 0;
};

// Makes the widget named "Viewer" whose window is a BoardReader read as the board table.
// Installed once, before the first window is shown.
void InstallBoardAccessibility();

// Tells assistive technologies that the focus is on `cell` of the board in `viewer`; cell 0,
// the keyboard cursor put away, gives the focus back to the board itself.
void AnnounceBoardFocus(QWidget* viewer, int cell);

// Tells assistive technologies of every cell whose name (content, choice, destination) or
// selection changed since the last call, so that a screen reader's review reads the board
// as it is now.
void AnnounceBoardChanges(QWidget* viewer);

}  // namespace circumvia::control
