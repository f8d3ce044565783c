// The whole job in one process, to time against other tools from a cold
// start: reads a UTF-8 file of names, one a line, adds them, draws everybody
// and writes the export, UTF-8 with CR LF, to a file.
//   draw_everybody NAMES OUTPUT
#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "engine/draw_session.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif
#if defined(__unix__)
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
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

// A buffer of n elements left as they are: the pages of what is never
// written are never touched.
template <typename T>
std::unique_ptr<T[]> Buffer(size_t n) {
  return std::unique_ptr<T[]>(new T[n]);
}

// The bytes of a file, mapped where the system can map it, so that they are
// neither copied nor given fresh pages; read into memory elsewhere.
class FileBytes {
 public:
  bool Open(const char* path);
  ~FileBytes();
  std::string_view bytes() const { return {data_, size_}; }

 private:
  const char* data_ = nullptr;
  size_t size_ = 0;
  bool mapped_ = false;
  std::unique_ptr<char[]> read_;
};

#if defined(__unix__)
bool FileBytes::Open(const char* path) {
  const int fd = open(path, O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info {};
  bool ok = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
  size_ = ok ? static_cast<size_t>(info.st_size) : 0;
  if (ok) {
    read_ = Buffer<char>(size_);
    data_ = read_.get();
    size_t done = 0;
    while (done < size_) {
      const ssize_t got = read(fd, read_.get() + done, size_ - done);
      if (got <= 0) break;
      done += static_cast<size_t>(got);
    }
    ok = done == size_;
  }
  close(fd);
  return ok;
}

FileBytes::~FileBytes() = default;
#else
bool FileBytes::Open(const char* path) {
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path, "rb"),
                                             &std::fclose);
  if (!file || std::fseek(file.get(), 0, SEEK_END) != 0) return false;
  const long end = std::ftell(file.get());
  if (end < 0 || std::fseek(file.get(), 0, SEEK_SET) != 0) return false;
  size_ = static_cast<size_t>(end);
  read_ = Buffer<char>(size_);
  data_ = read_.get();
  return std::fread(read_.get(), 1, size_, file.get()) == size_;
}

FileBytes::~FileBytes() = default;
#endif

// How many of the bytes at `in` (of which `left` remain) are ASCII other
// than LF, all of them copied to `out` as units; up to kBlock more units
// past those may be written.
size_t WidenAscii(const char* in, size_t left, char16_t* out) {
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
    if (stops != 0)
      return done + static_cast<size_t>(
                        std::countr_zero(static_cast<unsigned>(stops)));
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

// The file as the entry box would hold it, written to out: each line break
// a CR LF, and none after the last line, which would add an empty entry.
// No byte gives more than two units (an LF becomes CR LF); out needs
// kBlock units more than that.
std::u16string_view EntryText(std::string_view bytes, char16_t* out) {
  char16_t* const start = out;
  const auto* const in = reinterpret_cast<const unsigned char*>(bytes.data());
  const size_t size = bytes.size();
  for (size_t i = 0; i < size;) {
    const unsigned char lead = in[i];
    if (lead == '\n') {
      if (out == start || out[-1] != u'\r') *out++ = u'\r';
      *out++ = u'\n';
      ++i;
    } else if (lead < 0x80) {
      const size_t ascii = WidenAscii(bytes.data() + i, size - i, out);
      i += ascii;
      out += ascii;
    } else if ((lead & 0xF0) == 0xE0 && size - i >= 3 &&
               IsContinuation(in[i + 1]) && IsContinuation(in[i + 2]) &&
               (lead != 0xE0 || in[i + 1] >= 0xA0) &&  // not overlong
               (lead != 0xED || in[i + 1] < 0xA0)) {   // not a surrogate
      // Three bytes, as most Japanese is: decoded here, the rest below.
      *out++ = static_cast<char16_t>(
          (lead & 0x0F) << 12 | (in[i + 1] & 0x3F) << 6 | (in[i + 2] & 0x3F));
      i += 3;
    } else {
      out = PutUtf16(DecodeOne(bytes, i), out);
    }
  }
  std::u16string_view text(start, static_cast<size_t>(out - start));
  if (text.ends_with(u"\r\n")) text.remove_suffix(2);
  return text;
}

// How many of the units at `in` (of which `left` remain) are ASCII, all of
// them copied to `out` as bytes; up to kBlock more bytes past those may be
// written.
size_t NarrowAscii(const char16_t* in, size_t left, char* out) {
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

// The text as UTF-8 at out, which needs three bytes a unit and kBlock more;
// returns where it ends. Half a surrogate pair is written as U+FFFD.
char* EncodeUtf8(std::u16string_view text, char* out) {
  for (size_t i = 0; i < text.size();) {
    char32_t c = text[i];
    if (c < 0x80) {
      const size_t ascii = NarrowAscii(text.data() + i, text.size() - i, out);
      i += ascii;
      out += ascii;
      continue;
    }
    ++i;
    if (c < 0x800) {
      *out++ = static_cast<char>(0xC0 | c >> 6);
      *out++ = static_cast<char>(0x80 | (c & 0x3F));
      continue;
    }
    if (c >= 0xD800 && c < 0xE000) {
      if (c < 0xDC00 && i < text.size() && text[i] >= 0xDC00 &&
          text[i] < 0xE000) {
        c = 0x10000 + ((c - 0xD800) << 10) + (text[i++] - 0xDC00);
        *out++ = static_cast<char>(0xF0 | c >> 18);
        *out++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
        continue;
      }
      c = kReplacement;  // half a pair
    }
    *out++ = static_cast<char>(0xE0 | c >> 12);
    *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    *out++ = static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

// Writes the text to the file as UTF-8, in one write.
bool WriteUtf8(const char* path, std::u16string_view text) {
  const auto bytes = Buffer<char>(3 * text.size() + kBlock);
  const auto size =
      static_cast<size_t>(EncodeUtf8(text, bytes.get()) - bytes.get());
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path, "wb"),
                                             &std::fclose);
  return file && std::fwrite(bytes.get(), 1, size, file.get()) == size &&
         std::fflush(file.get()) == 0;
}

// Reads the file into the session; false, with a message, when it cannot.
bool AddFile(const char* path, DrawSession& session) {
  FileBytes file;
  if (!file.Open(path)) {
    std::fprintf(stderr, "cannot read %s\n", path);
    return false;
  }
  const std::string_view bytes = file.bytes();
  const auto units = Buffer<char16_t>(2 * bytes.size() + kBlock);
  if (session.AddLines(EntryText(bytes, units.get())) != AddOutcome::Added) {
    std::fprintf(stderr, "%s has more than %d names\n", path, kMaxEntries);
    return false;
  }
  return true;
}

int Run(const char* names_path, const char* output_path) {
#if defined(__GLIBC__)
  // Large blocks from the heap, kept when freed: the export then reuses the
  // pages the text was converted in instead of faulting in fresh ones.
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
