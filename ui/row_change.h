// How a list changed since its window last showed it.
#pragma once

namespace lotwheel::ui {

enum class RowChange {
  kAppended,  // the rows shown so far are unchanged, new ones follow
  kReplaced,  // any row may differ now; a selection would point elsewhere
};

}  // namespace lotwheel::ui
