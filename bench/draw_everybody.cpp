// The whole job in one process, to time against other tools from a cold
// start: reads a UTF-8 file of names, one a line, adds them, draws everybody
// and writes the export, UTF-8 with CR LF, to a file.
//   draw_everybody NAMES OUTPUT
// Nothing is written when a name cannot be read or added.
#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>
#include <string>
#include <string_view>

#include "engine/draw_session.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace lotwheel {
namespace {

constexpr char16_t kReplacement = u'\uFFFD';
// The conversions below store a whole block of this many units or bytes
// wherever they write, and count only what is valid: every buffer they
// write has this much room past its end.
constexpr size_t kBlock = 16;

// The file goes in, and the export out, a piece at a time through small
// buffers that stay in the cache: the only copy of the whole text is then
// the session's own. A buffer the size of the file would cost a fresh page
// of memory for every 4 KB, which takes longer than the conversion itself.
constexpr size_t kPieceBytes = 1 << 16;
// The export goes out in pieces of up to kOutBytes: the UTF-8 of up to
// kPieceUnits units of entries, three bytes a unit at most, and a CR LF.
// A longer entry goes out in parts.
constexpr size_t kPieceUnits = kPieceBytes / 4;
constexpr size_t kOutBytes = 3 * kPieceUnits + 2;

// A buffer of n elements left as they are: the pages of what is never
// written are never touched.
template <typename T>
std::unique_ptr<T[]> Buffer(size_t n) {
  return std::unique_ptr<T[]>(new T[n]);
}

using File = std::unique_ptr<FILE, int (*)(FILE*)>;

// The file opened without a buffer of its own: every read and write goes
// straight between the file and the pieces.
File OpenFile(const char* path, const char* mode) {
  File file(std::fopen(path, mode), &std::fclose);
  if (file && std::setvbuf(file.get(), nullptr, _IONBF, 0) != 0) file.reset();
  return file;
}

// The file's size, or false when it cannot be told.
bool SizeOf(FILE* file, size_t& size) {
  if (std::fseek(file, 0, SEEK_END) != 0) return false;
  const long end = std::ftell(file);
  if (end < 0 || std::fseek(file, 0, SEEK_SET) != 0) return false;
  size = static_cast<size_t>(end);
  return true;
}

// How many of the bytes at `in` (of which `left` remain) are ASCII other
// than LF, all of them copied to `out` as units; up to kBlock more units
// past those may be written.
[[gnu::always_inline]] inline size_t WidenAscii(const char* in, size_t left,
                                                char16_t* out) {
  size_t done = 0;
#if defined(__SSE2__)
  const __m128i zero = _mm_setzero_si128();
  const __m128i line_feed = _mm_set1_epi8('\n');
  for (; left - done >= kBlock; done += kBlock) {
    const __m128i bytes =
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + done));
    auto* to = reinterpret_cast<__m128i*>(out + done);
    _mm_storeu_si128(to, _mm_unpacklo_epi8(bytes, zero));
    _mm_storeu_si128(to + 1, _mm_unpackhi_epi8(bytes, zero));
    // The top bit of a byte is set for a byte past ASCII, and for an LF
    // once compared.
    const int stops = _mm_movemask_epi8(
        _mm_or_si128(bytes, _mm_cmpeq_epi8(bytes, line_feed)));
    if (stops != 0) {
      return done + static_cast<size_t>(
                        std::countr_zero(static_cast<unsigned>(stops)));
    }
  }
#endif
  for (; done < left; ++done) {
    const auto byte = static_cast<unsigned char>(in[done]);
    if (byte >= 0x80 || byte == '\n') break;
    out[done] = byte;
  }
  return done;
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

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

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
    if (!IsContinuation(next)) return kReplacement;
    c = c << 6 | (next & 0x3F);
  }
  constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
  if (c < kSmallest[more] || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) {
    return kReplacement;
  }
  i += static_cast<size_t>(more);
  return c;
}

// The unit of the three-byte sequence (most of Japanese) in the low three
// bytes of w, first byte lowest; 0 when they hold none, which no
// three-byte sequence can decode to.
char16_t ThreeByteUnit(uint32_t w) {
  if ((w & 0xC0C0F0) != 0x8080E0) return 0;  // not a lead and two trailers
  const auto c = static_cast<char16_t>((w & 0x0F) << 12 | (w >> 2 & 0x0FC0) |
                                       (w >> 16 & 0x3F));
  const bool overlong = c < 0x800;
  const bool surrogate = (c & 0xF800) == 0xD800;
  return overlong || surrogate ? 0 : c;
}

// Converts whole lines of the file to units at `out`, as the entry box
// would hold them: each line break a CR LF. Returns where they end. No byte
// gives more than two units (an LF becomes CR LF), and up to kBlock more
// may be written.
char16_t* WidenLines(std::string_view bytes, char16_t* out) {
  const auto* const in = reinterpret_cast<const unsigned char*>(bytes.data());
  const size_t size = bytes.size();
  const char16_t* const start = out;
  // Up to here four bytes can be read at once.
  const size_t four_fit = size < 4 ? 0 : size - 3;
  size_t i = 0;
  while (i < size) {
    const unsigned char lead = in[i];
    if (lead >= 0x80) {
      const uint32_t four = i < four_fit
                                ? in[i] | in[i + 1] << 8 | in[i + 2] << 16 |
                                      uint32_t{in[i + 3]} << 24
                                : 0;
      if (const char16_t c = ThreeByteUnit(four); c != 0) {
        *out++ = c;
        i += 3;
      } else {
        out = PutUtf16(DecodeOne(bytes, i), out);
      }
    } else if (lead != '\n') {
      const size_t ascii = WidenAscii(bytes.data() + i, size - i, out);
      i += ascii;
      out += ascii;
    } else {
      if (out == start || out[-1] != u'\r') *out++ = u'\r';
      *out++ = u'\n';
      ++i;
    }
  }
  return out;
}

// Where the front of the bytes held can be cut off and added on its own:
// at the last LF with a line after it, which leaves `lines` bytes of lines
// before it (less the CR of a CR LF) and the rest from `rest` on. The byte
// after the LF must be neither CR nor LF, so that what is left is never one
// empty line, and what is cut off must not be one empty line either:
// AddLines reads an empty text as no line at all. False when no LF will do.
bool FindCut(std::string_view held, size_t& lines, size_t& rest) {
  if (held.size() < 2) return false;
  for (size_t lf = held.rfind('\n', held.size() - 2);
       lf != std::string_view::npos && lf > 0; lf = held.rfind('\n', lf - 1)) {
    if (held[lf + 1] != '\r' && held[lf + 1] != '\n') {
      lines = held[lf - 1] == '\r' ? lf - 1 : lf;
      rest = lf + 1;
      return lines > 0;
    }
  }
  return false;
}

// Converts whole lines of the file to units at `units`, as the entry box
// would hold them, and adds them. The file's `last` line break is dropped:
// it would add an empty entry. False when the list is full.
bool AddPart(std::string_view lines, bool last, char16_t* units,
             DrawSession& session) {
  const char16_t* const end = WidenLines(lines, units);
  std::u16string_view text(units, static_cast<size_t>(end - units));
  if (last && text.ends_with(u"\r\n")) text.remove_suffix(2);
  return session.AddLines(text) == AddOutcome::Added;
}

// How many of the units at `in` (of which `left` remain) are ASCII, all of
// them copied to `out` as bytes; up to kBlock more bytes past those may be
// written.
[[gnu::always_inline]] inline size_t NarrowAscii(const char16_t* in,
                                                 size_t left, char* out) {
  size_t done = 0;
#if defined(__SSE2__)
  const __m128i past_ascii = _mm_set1_epi16(static_cast<int16_t>(0xFF80));
  const __m128i zero = _mm_setzero_si128();
  constexpr size_t kUnits = kBlock / 2;
  for (; left - done >= kUnits; done += kUnits) {
    const __m128i units =
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + done));
    _mm_storel_epi64(reinterpret_cast<__m128i*>(out + done),
                     _mm_packus_epi16(units, units));
    // Two bits for each unit, set when it is ASCII.
    const auto ascii = static_cast<unsigned>(_mm_movemask_epi8(
        _mm_cmpeq_epi16(_mm_and_si128(units, past_ascii), zero)));
    if (ascii != 0xFFFF) {
      return done + static_cast<size_t>(std::countr_one(ascii) / 2);
    }
  }
#endif
  for (; done < left && in[done] < 0x80; ++done) {
    out[done] = static_cast<char>(in[done]);
  }
  return done;
}

// Writes the three bytes of c, from U+0800 up, at out; the byte after them
// may be overwritten.
char* PutThreeBytes(char32_t c, char* out) {
  const uint32_t bytes = 0x8080E0 | c >> 12 | (c << 2 & 0x3F00) |
                         (c << 16 & 0x3F0000);  // first byte lowest
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(out, &bytes, 4);  // one store for three bytes
  } else {
    for (int k = 0; k < 3; ++k) out[k] = static_cast<char>(bytes >> (8 * k));
  }
  return out + 3;
}

// The text as UTF-8 at out, which needs three bytes a unit and kBlock more;
// returns where it ends. Half a surrogate pair is written as U+FFFD.
char* EncodeUtf8(std::u16string_view text, char* out) {
  const char16_t* in = text.data();
  const char16_t* const end = in + text.size();
  while (in < end) {
    char32_t c = *in;
    if (c >= 0x800 && (c & 0xF800) != 0xD800) {  // most of Japanese
      out = PutThreeBytes(c, out);
      ++in;
    } else if (c < 0x80) {
      const size_t ascii = NarrowAscii(in, static_cast<size_t>(end - in), out);
      in += ascii;
      out += ascii;
    } else if (c < 0x800) {
      *out++ = static_cast<char>(0xC0 | c >> 6);
      *out++ = static_cast<char>(0x80 | (c & 0x3F));
      ++in;
    } else if (c < 0xDC00 && end - in >= 2 && in[1] >= 0xDC00 &&
               in[1] < 0xE000) {
      c = 0x10000 + ((c - 0xD800) << 10) + (in[1] - 0xDC00);
      *out++ = static_cast<char>(0xF0 | c >> 18);
      *out++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      *out++ = static_cast<char>(0x80 | (c & 0x3F));
      in += 2;
    } else {
      out = PutThreeBytes(kReplacement, out);  // half a pair
      ++in;
    }
  }
  return out;
}

// Writes the bytes from `piece` to `out` to the file; `out` is then the
// piece again.
bool Flush(FILE* file, char* piece, char*& out) {
  const auto size = static_cast<size_t>(out - piece);
  out = piece;
  return std::fwrite(piece, 1, size, file) == size;
}

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit < 0xDC00; }

// Puts the entry and a CR LF into the piece at `out`, which holds kOutBytes
// and kBlock more, writing the piece to the file first when they do not
// fit. An entry longer than a piece goes in parts, a surrogate pair whole.
bool PutEntry(std::u16string_view entry, FILE* file, char* piece, char*& out) {
  while (entry.size() > kPieceUnits) {
    const size_t units =
        kPieceUnits - (IsHighSurrogate(entry[kPieceUnits - 1]) ? 1 : 0);
    if (!Flush(file, piece, out)) return false;
    out = EncodeUtf8(entry.substr(0, units), out);
    entry.remove_prefix(units);
  }
  if (static_cast<size_t>(out - piece) + 3 * entry.size() + 2 > kOutBytes &&
      !Flush(file, piece, out)) {
    return false;
  }
  out = EncodeUtf8(entry, out);
  *out++ = '\r';
  *out++ = '\n';
  return true;
}

// Writes the export to the file as UTF-8, entry by entry from the output
// list: the export as one text would want as many fresh pages of memory
// again as the list's own text.
bool WriteOutput(const char* path, const DrawSession& session) {
  const File file = OpenFile(path, "wb");
  if (!file) return false;
  const auto piece_buffer = Buffer<char>(kOutBytes + kBlock);
  char* const piece = piece_buffer.get();
  char* out = piece;
  // The entries lie all over the list's text in the order drawn: the text
  // of one a few places on is fetched into the cache while this one is
  // written, or each would wait for its own.
  constexpr int32_t kAhead = 16;
  const int32_t count = session.OutputCount();
  for (int32_t k = 0; k < count; ++k) {
    if (count - k > kAhead) {
      __builtin_prefetch(
          session.OutputAt(static_cast<int16_t>(k + kAhead)).data());
    }
    if (!PutEntry(session.OutputAt(static_cast<int16_t>(k)), file.get(), piece,
                  out)) {
      return false;
    }
  }
  return Flush(file.get(), piece, out) && std::fflush(file.get()) == 0;
}

// Reads the file into the session a piece at a time, each piece's whole
// lines added as soon as they are read; false, with a message, when it
// cannot. A line longer than the piece makes the piece grow.
bool AddFile(const char* path, DrawSession& session) {
  const File file = OpenFile(path, "rb");
  size_t size = 0;
  if (!file || !SizeOf(file.get(), size)) {
    std::fprintf(stderr, "cannot read %s\n", path);
    return false;
  }
  // No entry has more units than its line has bytes.
  session.Reserve(size, size + 1);
  size_t capacity = kPieceBytes;
  auto bytes = Buffer<char>(capacity);
  // No byte gives more than two units: an LF becomes CR LF.
  auto units = Buffer<char16_t>(2 * capacity + kBlock);
  size_t held = 0;  // bytes at the front of `bytes`, not yet added
  for (size_t read = 0; read < size;) {
    if (held == capacity) {
      auto grown = Buffer<char>(2 * capacity);
      std::memcpy(grown.get(), bytes.get(), held);
      bytes = std::move(grown);
      units = Buffer<char16_t>(4 * capacity + kBlock);
      capacity *= 2;
    }
    // Never past the size the file had, even if it grows.
    const size_t got =
        std::fread(bytes.get() + held, 1,
                   std::min(capacity - held, size - read), file.get());
    if (got == 0) {
      std::fprintf(stderr, "cannot read %s\n", path);
      return false;
    }
    read += got;
    held += got;
    const bool last = read == size;
    size_t lines = held, rest = held;
    if (!last && !FindCut({bytes.get(), held}, lines, rest)) continue;
    if (!AddPart({bytes.get(), lines}, last, units.get(), session)) {
      std::fprintf(stderr, "%s has more than %d names\n", path, kMaxEntries);
      return false;
    }
    held -= rest;
    std::memmove(bytes.get(), bytes.get() + rest, held);
  }
  return true;
}

int Run(const char* names_path, const char* output_path) {
#if defined(__GLIBC__)
  // Large blocks from the heap, kept when freed: the draw and the writing
  // then reuse the pages the file was read through instead of faulting in
  // fresh ones.
  mallopt(M_MMAP_THRESHOLD, 64 << 20);
  mallopt(M_TRIM_THRESHOLD, 256 << 20);
#endif
  DrawSession session;
  if (!AddFile(names_path, session)) return 1;
  session.Draw(u"0");
  if (!WriteOutput(output_path, session)) {
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
  try {
    return lotwheel::Run(argv[1], argv[2]);
  } catch (const std::exception& e) {  // out of memory, or a text too large
    std::fprintf(stderr, "%s: %s\n", argv[1], e.what());
    return 1;
  }
}
