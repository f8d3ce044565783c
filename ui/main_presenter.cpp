// The main window's behaviour, written once for every frontend.
#include "ui/main_presenter.h"

#include <new>
#include <stdexcept>

#include "ui/announcements.h"
#include "ui/messages.h"
#include "ui/row_text.h"

namespace lotwheel::ui {

MainPresenter::MainPresenter(MainView& view, Clipboard& clipboard)
    : view_(view), clipboard_(clipboard) {}

void MainPresenter::Start() {
  view_.SetFocus(*MainWindowTable().FocusOrder().front().As<MainControl>());
}

void MainPresenter::Press(MainControl button) {
  // What the user sees in a box is what a command works with, also while an
  // input method still holds part of it: a press by its access key must
  // not differ from a click, which finishes the composition first.
  view_.FinishInput();
  switch (button) {
    case MainControl::cmdAdd:
      return Add();
    case MainControl::cmdClear:
      return Clear();
    case MainControl::cmdBuild:
      return Build();
    case MainControl::cmdCopy:
      return Copy();
    case MainControl::cmdVerInfo:
      return view_.OpenVersionWindow();
    default:
      return;
  }
}

int MainPresenter::RowCount(MainControl list) const {
  switch (list) {
    case MainControl::lstMoto:
      return session_.SourceCount();
    case MainControl::lstAto:
      return session_.OutputCount();
    default:
      return 0;
  }
}

std::u16string MainPresenter::RowText(MainControl list, int row) const {
  // A view may still ask for a row that an operation has just removed, in
  // the moment before it is told of the change.
  if (row < 0 || row >= RowCount(list)) return {};
  const auto position = static_cast<int16_t>(row);
  try {
    return ui::RowText(list == MainControl::lstMoto
                           ? session_.SourceAt(position)
                           : session_.OutputAt(position));
  } catch (const std::bad_alloc&) {
    return {};  // shown blank this once; the entry itself is untouched
  }
}

void MainPresenter::Add() {
  RunGuarded([this] {
    const int first_new = session_.SourceCount();
    const AddOutcome outcome =
        session_.AddLines(view_.Text(MainControl::txtAdd));
    if (outcome != AddOutcome::Added) return ShowMessage(MessageFor(outcome));
    ShowAppended(MainControl::lstMoto, first_new);
    Announce([&] {
      return AddedText(RowCount(MainControl::lstMoto) - first_new,
                       RowCount(MainControl::lstMoto));
    });
  });
}

void MainPresenter::Clear() {
  session_.ClearLists();
  view_.SetText(MainControl::txtAdd, u"");
  view_.ShowRows(MainControl::lstMoto, 0, RowChange::kReplaced);
  view_.ShowRows(MainControl::lstAto, 0, RowChange::kReplaced);
  Announce([] { return ClearedText(); });
}

void MainPresenter::Build() {
  RunGuarded([this] {
    const int first_new = session_.OutputCount();
    const DrawOutcome outcome =
        session_.Draw(view_.Text(MainControl::txtHowWho));
    if (outcome != DrawOutcome::Drawn) return ShowMessage(MessageFor(outcome));
    view_.ShowRows(MainControl::lstMoto, session_.SourceCount(),
                   RowChange::kReplaced);
    ShowAppended(MainControl::lstAto, first_new);
    Announce([&] { return DrawnText(session_, first_new); });
  });
}

void MainPresenter::Copy() {
  RunGuarded([this] {
    if (!session_.CopyOutput(clipboard_))
      return ShowMessage(kClipboardFailedMessage);
    Announce([this] { return CopiedText(session_.OutputCount()); });
  });
}

void MainPresenter::ShowAppended(MainControl list, int first_new) {
  const int count = RowCount(list);
  view_.ShowRows(list, count, RowChange::kAppended);
  // New entries come at the end: show the first of them rather than the
  // top of a long list.
  if (first_new > 0 && first_new < count) view_.ScrollToRow(list, first_new);
}

void MainPresenter::RunGuarded(const std::function<void()>& operation) {
  bool out_of_memory = false;
  try {
    operation();
  } catch (const std::bad_alloc&) {
    out_of_memory = true;
  } catch (const std::length_error&) {
    // A string or list asked to grow past what can be had.
    out_of_memory = true;
  }
  // Shown outside the operation, once whatever failed has been let go of.
  if (out_of_memory) ShowMessage(kOutOfMemoryMessage);
}

void MainPresenter::ShowMessage(std::u16string_view text) {
  if (text.empty()) return;
  const std::optional<MainControl> focus = view_.Focus();
  view_.ShowMessage(text);
  // Back to the control that had the focus before the box; not every
  // window manager gives it back by itself.
  if (focus) view_.SetFocus(*focus);
}

void MainPresenter::Announce(const std::function<std::u16string()>& make_text) {
  try {
    view_.Announce(make_text());
  } catch (const std::bad_alloc&) {
  }
}

}  // namespace lotwheel::ui
