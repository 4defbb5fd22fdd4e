// Where a tool window opens: beside the main window, not over the list it explains.
#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace quarvel::gui {

// A frame of `wanted` size beside `main` in the first strip of `screen` that holds it (right,
// left, below, above); else in the largest strip that holds `least`, shrunk to the strip; else
// at `wanted` size inside the screen where it covers least of `main`. All frames, with their
// window borders.
QRect place_beside(const QRect& main, QSize wanted, QSize least, const QRect& screen);

// Shows `window` beside `main` the first time; after that where the user last left it, at its
// last size, for the rest of the session.
void show_beside(QWidget& window, const QWidget& main);

}  // namespace quarvel::gui
