// The main window's behaviour, written once for every frontend: what each
// button does to the draw session, which message or announcement follows,
// which rows are shown and where the focus goes.
#pragma once

#include <functional>
#include <string>

#include "engine/clipboard.h"
#include "engine/draw_session.h"
#include "ui/control_table.h"
#include "ui/main_view.h"

namespace lotwheel::ui {

class MainPresenter final {
 public:
  // `view` and `clipboard` are the window's own and outlive the presenter.
  MainPresenter(MainView& view, Clipboard& clipboard);
  MainPresenter(const MainPresenter&) = delete;
  MainPresenter& operator=(const MainPresenter&) = delete;

  // The window is shown: the focus goes to the first control that takes it.
  void Start();
  // A button of the main window was pressed, by any means; any other
  // control of it does nothing.
  void Press(MainControl button);

  // What a list shows: its row count, and each row's text as a row shows
  // it (on one line and shortened; blank if memory runs out for it). A
  // control that is no list has no rows.
  int RowCount(MainControl list) const;
  std::u16string RowText(MainControl list, int row) const;

  const DrawSession& session() const { return session_; }

 private:
  void Add();
  void Clear();
  void Build();
  void Copy();

  // Shows a list that grew from row `first_new` on, that row at the top.
  void ShowAppended(MainControl list, int first_new);
  // Runs one operation. Running out of memory leaves both lists as they
  // were, so it is reported and the program goes on.
  void RunGuarded(const std::function<void()>& operation);
  // Shows a message; the focus comes back to where it was before.
  void ShowMessage(std::u16string_view text);
  // Announces what an operation did. The operation has been done, so
  // running out of memory here must not report it as undone.
  void Announce(const std::function<std::u16string()>& make_text);

  MainView& view_;
  Clipboard& clipboard_;
  DrawSession session_;
};

}  // namespace lotwheel::ui
