// Makes a list read its current row to a screen reader when it takes the
// focus.
#pragma once

class QAbstractItemView;

namespace lotwheel::qt {

// Once the view has the focus, a row is current (the first, if none was)
// and the screen reader is told that this row has the focus, so it reads
// the row rather than only the list's name, and Down goes on from there.
// Call once per view; the view owns what this installs.
void ReadCurrentRowOnFocus(QAbstractItemView* view);

}  // namespace lotwheel::qt
