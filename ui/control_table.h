// Each window's controls as data: what every frontend builds, where, in which
// tab order, with which texts, and how each control behaves where toolkits
// differ. The frontends build their windows from these rows alone, and the
// order of the rows is the tab order for both.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/art.h"
#include "ui/control_id.h"
#include "ui/twips.h"

namespace lotwheel::ui {

enum class ControlKind {
  kLabel,
  kList,
  kFrame,
  kLineEdit,  // single-line text box
  kTextArea,  // multi-line text box with a vertical scroll bar
  kButton,
  kPicture,
};

// The face that both fonts of their own are in.
inline constexpr std::u16string_view kGothicFace = u"ＭＳ Ｐゴシック";

// The face a control asks for beyond the window's interface font.
enum class ControlFont {
  kInterface,
  kGothicBold9,                // "ＭＳ Ｐゴシック" 9 pt bold
  kGothicBoldItalic15Point75,  // "ＭＳ Ｐゴシック" 15.75 pt bold italic
};

enum class TextAlign { kLeft, kRight };

// How a label or text box treats a line longer than it is wide.
enum class TextWrap {
  kWords,     // wraps between words
  kAnywhere,  // wraps at the edge, inside a word too: fast on huge lines
  kNone,      // stays on one line, cut at the right edge
};

// What Enter does in a multi-line text box.
enum class EnterKey {
  kNewLine,       // starts a new line
  kPressDefault,  // presses the window's default button; Ctrl+Enter is the
                  // new line
};

struct ControlInfo {
  ControlId id = MainControl::lblMoto;
  const char* name = "";  // objectName on Qt; the name in every message
  ControlKind kind = ControlKind::kLabel;
  // Caption or initial text; "&" marks the access key.
  std::u16string caption{};
  TwipsRect rect{};                   // relative to the parent's client area
  std::optional<ControlId> parent{};  // the frame it stands in
  std::u16string tooltip{};
  // The label or frame whose caption names this box or list to a screen
  // reader; without one the control's own caption (or tooltip) names it.
  std::optional<ControlId> named_by{};
  // What a screen reader says for it: filled in from the above when empty.
  std::u16string spoken_name{};
  ControlFont font = ControlFont::kInterface;
  TextAlign align = TextAlign::kLeft;
  TextWrap wrap = TextWrap::kWords;
  EnterKey enter = EnterKey::kNewLine;
  // Enter and Esc press it wherever the focus is in its window.
  bool default_button = false;
  Art art = Art::kNone;  // what a picture shows
  std::string link{};    // the address a picture opens when clicked
};

struct ControlTable {
  const char* name = "";  // the window's own name
  std::u16string title{};
  int client_width = 0;  // twips
  int client_height = 0;
  // In tab order, which is also the order in which they are made: a frame
  // before what stands in it, and a later control lies above an earlier one
  // it reaches into. Labels and frames hold a place in the tab order without
  // taking the focus; pictures have no place in it.
  std::vector<ControlInfo> controls{};

  // The row of that control; aborts on a control of the other window, which
  // is a programming error.
  const ControlInfo& Row(ControlId id) const;
  // Whether the control is one of this window's.
  bool Has(ControlId id) const;
  // The controls that take the focus, in tab order.
  std::vector<ControlId> FocusOrder() const;
  // The control that a label's access key hands the focus to: the next one
  // in tab order that takes it.
  std::optional<ControlId> BuddyOf(ControlId label) const;
};

const ControlTable& MainWindowTable();
const ControlTable& VerInfoWindowTable();

// Whether the user can put the focus on a control of this kind.
bool TakesFocus(ControlKind kind);
// Whether a caption marks an access key with "&".
bool HasAccessKey(std::u16string_view caption);

// "入力ソース(&I)：" -> "入力ソース": the caption without "&", an access-key
// letter in brackets, a trailing colon or ellipsis.
std::u16string SpokenCaption(std::u16string_view caption);

}  // namespace lotwheel::ui
