// Each window's controls as data: what every frontend builds, where, in which
// tab order and with which texts. Neither frontend spells these again.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/texts.h"
#include "ui/twips.h"

namespace lotwheel::ui {

enum class ControlKind {
  kLabel,
  kList,
  kFrame,
  kLineEdit,  // single-line text box
  kTextArea,  // multi-line text box with a vertical scroll bar, wrapping
  kButton,
  kPicture,
};

// The face a control asks for beyond the window's interface font.
enum class ControlFont {
  kInterface,
  kGothicBold9,                // "ＭＳ Ｐゴシック" 9 pt bold
  kGothicBoldItalic15Point75,  // "ＭＳ Ｐゴシック" 15.75 pt bold italic
};

struct ControlInfo {
  std::string name;  // objectName on Qt, the control's name everywhere
  ControlKind kind = ControlKind::kLabel;
  // Caption or initial text; "&" marks the access key.
  std::u16string caption;
  TwipsRect rect;      // relative to the parent's client area
  std::string parent;  // the frame it stands in; empty for the window
  int tab_index = -1;  // -1: no place in the tab order
  std::u16string tooltip;
  // What a screen reader says for it: the caption without its access-key
  // decoration, or the caption of the label or frame that names it.
  std::u16string spoken_name;
  ControlFont font = ControlFont::kInterface;
  Art art = Art::kNone;  // what a picture shows
  std::string link;      // the address a picture opens when clicked
};

struct WindowLayout {
  std::string name;
  std::u16string title;
  int client_width = 0;  // twips
  int client_height = 0;
  std::vector<ControlInfo> controls;  // in tab index order

  // The control of that name; aborts on a name that is not in the table,
  // which is a programming error.
  const ControlInfo& Control(std::string_view control_name) const;
  // The controls that take the focus, in tab order.
  std::vector<std::string> FocusOrder() const;
};

const WindowLayout& MainWindowLayout();
const WindowLayout& VerInfoWindowLayout();

// "入力ソース(&I)：" -> "入力ソース": the caption without "&", an access-key
// letter in brackets, a trailing colon or ellipsis.
std::u16string SpokenCaption(std::u16string_view caption);

}  // namespace lotwheel::ui
