// The two lists of a draw and every operation on them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/clipboard.h"
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
  void ClearLists();
  // Moves the requested number of random entries to the end of the output.
  DrawOutcome Draw(std::u16string_view count_text);
  // Every output entry followed by CR LF.
  std::u16string ExportText() const;
  // Replaces what the clipboard holds with the export text; false when it
  // refused it. The lists never change.
  bool CopyOutput(Clipboard& clipboard) const;

  int16_t SourceCount() const;
  const std::u16string& SourceAt(int16_t position) const;
  int16_t OutputCount() const;
  const std::u16string& OutputAt(int16_t position) const;

 private:
  // Appends the pieces of text; the room for them is already reserved.
  void AppendPieces(std::u16string_view text);
  // Moves count entries (1..SourceCount) at random to the output's end.
  void Pick(int32_t count);

  std::vector<std::u16string> source_;
  std::vector<std::u16string> output_;
  std::unique_ptr<RandomSource> random_;
};

}  // namespace lotwheel
