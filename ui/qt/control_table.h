// Builds a window's controls from its shared control table: geometry, texts,
// tooltips, spoken names, fonts, label buddies and tab order.
#pragma once

#include <QFont>
#include <QRect>

#include "ui/window_layout.h"

class QWidget;

namespace lotwheel {

// Qt's high-DPI scaling scales each window as one, so the table is laid out
// at 96 dots per inch here.
QRect RectFromTwips(const ui::TwipsRect& rect);

QFont FontFor(ui::ControlFont font, const QFont& interface_font);

// Applies the table to the window, whose controls must already exist as
// children named as in the table, each under its frame.
void ApplyLayout(QWidget* window, const ui::WindowLayout& layout);

// The credits and other texts that end each line with CR LF, as a text box
// shows them: one paragraph a line, without an empty one after the last.
QString TextForDisplay(std::u16string_view text);

}  // namespace lotwheel
