// Provisional draw engine: the literal algorithm, to be replaced.
#include "engine/draw_session.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace lotwheel {

DrawSession::DrawSession()
    : DrawSession(std::make_unique<ClockRandomSource>()) {}

DrawSession::DrawSession(std::unique_ptr<RandomSource> random)
    : random_(std::move(random)) {}

AddOutcome DrawSession::AddLines(std::u16string_view text) {
  if (text.empty()) return AddOutcome::Added;
  std::vector<std::u16string> pieces;
  size_t start = 0;
  for (;;) {
    size_t cut = text.find(u"\r\n", start);
    if (cut == std::u16string_view::npos) {
      pieces.emplace_back(text.substr(start));
      break;
    }
    pieces.emplace_back(text.substr(start, cut - start));
    start = cut + 2;
  }
  if (source_.size() + pieces.size() > size_t(kMaxEntries))
    return AddOutcome::SourceFull;
  for (auto& piece : pieces) source_.push_back(std::move(piece));
  return AddOutcome::Added;
}

void DrawSession::ClearLists() {
  output_.clear();
  source_.clear();
}

DrawOutcome DrawSession::Draw(std::u16string_view count_text) {
  std::string ascii;
  for (char16_t c : count_text) {
    if (c > 0x7f) return DrawOutcome::InvalidCount;
    ascii.push_back(static_cast<char>(c));
  }
  char* end = nullptr;
  double value = std::strtod(ascii.c_str(), &end);
  if (ascii.empty() || *end != '\0') return DrawOutcome::InvalidCount;
  double w = std::floor(value);
  double n = static_cast<double>(source_.size());
  if (w > n) return DrawOutcome::NotEnoughEntries;
  int d = w == 0 ? static_cast<int>(n) : (w < 0 ? 0 : static_cast<int>(w));
  if (output_.size() + d > size_t(kMaxEntries)) return DrawOutcome::OutputFull;
  random_->Reseed();
  for (int k = 0; k < d; ++k) {
    double r = random_->Next();
    auto i = static_cast<size_t>(std::floor(source_.size() * r));
    output_.push_back(std::move(source_[i]));
    source_.erase(source_.begin() + i);
  }
  return DrawOutcome::Drawn;
}

std::u16string DrawSession::ExportText() const {
  std::u16string text;
  for (const auto& entry : output_) text += entry + u"\r\n";
  return text;
}

void DrawSession::CopyOutput(Clipboard& clipboard) const {
  std::u16string text = ExportText();
  clipboard.Clear();
  clipboard.SetText(text);
}

int16_t DrawSession::SourceCount() const {
  return static_cast<int16_t>(source_.size());
}
const std::u16string& DrawSession::SourceAt(int16_t position) const {
  return source_.at(position);
}
int16_t DrawSession::OutputCount() const {
  return static_cast<int16_t>(output_.size());
}
const std::u16string& DrawSession::OutputAt(int16_t position) const {
  return output_.at(position);
}

}  // namespace lotwheel
