// The whole job in one process, to time against other tools from a cold
// start: reads a UTF-8 file of names, one a line, adds them, draws everybody
// and writes the export, UTF-8 with CR LF, to a file.
//   draw_everybody NAMES OUTPUT
#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "engine/draw_session.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace lotwheel {
namespace {

constexpr char16_t kReplacement = u'\uFFFD';

// A buffer of n elements left as they are: the pages of what is never
// written are never touched.
template <typename T>
std::unique_ptr<T[]> Buffer(size_t n) {
  return std::unique_ptr<T[]>(new T[n]);
}

using File = std::unique_ptr<FILE, int (*)(FILE*)>;

// The whole file, or false when it cannot be read.
bool ReadFile(const char* path, std::unique_ptr<char[]>& bytes, size_t& size) {
  File file(std::fopen(path, "rb"), &std::fclose);
  if (!file || std::fseek(file.get(), 0, SEEK_END) != 0) return false;
  const long end = std::ftell(file.get());
  if (end < 0 || std::fseek(file.get(), 0, SEEK_SET) != 0) return false;
  size = static_cast<size_t>(end);
  bytes = Buffer<char>(size);
  return std::fread(bytes.get(), 1, size, file.get()) == size;
}

// Writes c as one or two UTF-16 units at out; returns where it ends.
char16_t* PutUtf16(char32_t c, char16_t* out) {
  if (c < 0x10000) {
    *out++ = static_cast<char16_t>(c);
  } else {
    *out++ = static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
    *out++ = static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
  }
  return out;
}

// The sequence at in[i], consumed; a byte that starts no valid sequence is
// consumed alone and read as U+FFFD.
char32_t DecodeOne(std::string_view in, size_t& i) {
  const auto lead = static_cast<unsigned char>(in[i++]);
  if (lead < 0x80) return lead;
  const int more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
  if (more == 0 || lead > 0xF4 || i + more > in.size()) return kReplacement;
  char32_t c = lead & (0x3F >> more);
  for (int k = 0; k < more; ++k) {
    const auto next = static_cast<unsigned char>(in[i + k]);
    if ((next & 0xC0) != 0x80) return kReplacement;
    c = c << 6 | (next & 0x3F);
  }
  constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
  if (c < kSmallest[more] || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) {
    return kReplacement;
  }
  i += static_cast<size_t>(more);
  return c;
}

// The file as the entry box would hold it, written to out: each line
// break a CR LF, and none after the last line, which would add an empty
// entry. No byte gives more than two units (an LF becomes CR LF).
std::u16string_view EntryText(std::string_view bytes, char16_t* out) {
  char16_t* const start = out;
  for (size_t i = 0; i < bytes.size();) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (byte < 0x80 && byte != '\n') {  // most of a file of names
      *out++ = byte;
      ++i;
      continue;
    }
    const char32_t c = DecodeOne(bytes, i);
    if (c == U'\n' && (out == start || out[-1] != u'\r')) *out++ = u'\r';
    out = PutUtf16(c, out);
  }
  std::u16string_view text(start, static_cast<size_t>(out - start));
  if (text.ends_with(u"\r\n")) text.remove_suffix(2);
  return text;
}

// Writes c as UTF-8 at out; returns where it ends.
char* PutUtf8(char32_t c, char* out) {
  if (c < 0x80) {
    *out++ = static_cast<char>(c);
    return out;
  }
  const int more = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
  constexpr unsigned char kLead[] = {0, 0xC0, 0xE0, 0xF0};
  *out++ = static_cast<char>(kLead[more] | (c >> (6 * more)));
  for (int k = more - 1; k >= 0; --k) {
    *out++ = static_cast<char>(0x80 | ((c >> (6 * k)) & 0x3F));
  }
  return out;
}

// Writes the text to the file as UTF-8, a piece at a time through one
// small buffer, so that no copy of the whole text is made.
bool WriteUtf8(const char* path, std::u16string_view text) {
  File file(std::fopen(path, "wb"), &std::fclose);
  if (!file) return false;
  constexpr size_t kPiece = 1 << 14;  // units, each 3 bytes at most
  static char buffer[3 * kPiece + 4];
  for (size_t i = 0; i < text.size();) {
    char* out = buffer;
    for (const size_t end = std::min(text.size(), i + kPiece); i < end; ++i) {
      char32_t c = text[i];
      if (c < 0x80) {
        *out++ = static_cast<char>(c);
        continue;
      }
      if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() &&
          text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
        c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
      } else if (c >= 0xD800 && c < 0xE000) {
        c = kReplacement;  // half a pair
      }
      out = PutUtf8(c, out);
    }
    const auto size = static_cast<size_t>(out - buffer);
    if (std::fwrite(buffer, 1, size, file.get()) != size) return false;
  }
  return std::fflush(file.get()) == 0;
}

// Reads the file into the session; false, with a message, when it cannot.
bool AddFile(const char* path, DrawSession& session) {
  std::unique_ptr<char[]> bytes;
  size_t size = 0;
  if (!ReadFile(path, bytes, size)) {
    std::fprintf(stderr, "cannot read %s\n", path);
    return false;
  }
  const auto units = Buffer<char16_t>(2 * size);
  if (session.AddLines(EntryText({bytes.get(), size}, units.get())) !=
      AddOutcome::Added) {
    std::fprintf(stderr, "%s has more than %d names\n", path, kMaxEntries);
    return false;
  }
  return true;
}

int Run(const char* names_path, const char* output_path) {
#if defined(__GLIBC__)
  // Large blocks from the heap, kept when freed: the export then reuses the
  // pages the file was read into instead of faulting in fresh ones.
  mallopt(M_MMAP_THRESHOLD, 64 << 20);
  mallopt(M_TRIM_THRESHOLD, 256 << 20);
#endif
  DrawSession session;
  if (!AddFile(names_path, session)) return 1;
  session.Draw(u"0");
  if (!WriteUtf8(output_path, session.ExportText())) {
    std::fprintf(stderr, "cannot write %s\n", output_path);
    return 1;
  }
  return 0;
}

}  // namespace
}  // namespace lotwheel

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s NAMES OUTPUT\n", argv[0]);
    return 2;
  }
  return lotwheel::Run(argv[1], argv[2]);
}
