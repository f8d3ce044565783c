// The two lists of a draw and every operation on them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/clipboard.h"
#include "engine/entry_arena.h"
#include "engine/random_source.h"

namespace lotwheel {

// Each list holds at most this many entries.
inline constexpr int16_t kMaxEntries = 32767;

enum class AddOutcome { Added, SourceFull };
enum class DrawOutcome { Drawn, NotEnoughEntries, InvalidCount, OutputFull };

class DrawSession {
 public:
  DrawSession();
  explicit DrawSession(std::unique_ptr<RandomSource> random);

  // Appends the pieces of text cut at every CR LF (and only there), empty
  // pieces included. Appends nothing if the list would pass kMaxEntries.
  // Every operation below either completes or, when memory runs out
  // (std::bad_alloc, std::length_error), throws and leaves both lists as
  // they were.
  AddOutcome AddLines(std::u16string_view text);
  // Makes room for a text of `units` units cut in `pieces` pieces, to be
  // added in parts: each part is then copied once, where every AddLines
  // would otherwise grow the list on its own. Room for more pieces than the
  // list can take is never made. Changes neither list.
  void Reserve(size_t units, size_t pieces);
  void ClearLists();
  // Moves the requested number of random entries to the end of the output.
  DrawOutcome Draw(std::u16string_view count_text);
  // Every output entry followed by CR LF.
  std::u16string ExportText() const;
  // Replaces what the clipboard holds with the export text; false when it
  // refused it. The lists never change.
  bool CopyOutput(Clipboard& clipboard) const;

  // Read access: a list's count, and its entry at a position from 0 to
  // count - 1 (std::out_of_range otherwise). The entries' text lives in the
  // session, so a view of it stays valid only until the next AddLines,
  // Reserve, ClearLists or Draw; copy what must outlive that.
  int16_t SourceCount() const;
  std::u16string_view SourceAt(int16_t position) const;
  int16_t OutputCount() const;
  std::u16string_view OutputAt(int16_t position) const;

 private:
  // Moves count entries (1..SourceCount) at random to the output's end.
  void Pick(int32_t count);
  std::u16string_view EntryAt(const std::vector<EntryArena::Id>& list,
                              int16_t position) const {
    return arena_.Text(list.at(static_cast<size_t>(position)));
  }

  // Both lists are ids of entries in the arena, which holds the text.
  EntryArena arena_;
  std::vector<EntryArena::Id> source_;
  std::vector<EntryArena::Id> output_;
  std::unique_ptr<RandomSource> random_;
};

}  // namespace lotwheel
