// Checks the Wine prefix that the Windows tests run in: the screen has the
// DPI the test was started for, and the Japanese interface faces and the
// system message font are IPA P Gothic, so that geometry tests and
// screenshots mean what they say.
#include <gtest/gtest.h>
#include <windows.h>

#include <cwchar>
#include <string>
#include <vector>

namespace {

// The DPI tests/wine/wine-run was asked for (LOTWHEEL_WINE_DPI), 96 by default.
UINT WantedDpi() {
  wchar_t value[16] = {};
  if (GetEnvironmentVariableW(L"LOTWHEEL_WINE_DPI", value, 16) == 0) {
    return 96;
  }
  return static_cast<UINT>(std::wcstoul(value, nullptr, 10));
}

// What a 9 pt Shift-JIS font of a face resolves to: the full name of the
// font drawn, and whether it has a glyph for every character of text.
struct Resolved {
  std::wstring full_name;
  bool draws_text = false;
};

Resolved Resolve(const wchar_t* face, const std::wstring& text) {
  LOGFONTW font = {};
  font.lfHeight = -12;
  font.lfCharSet = SHIFTJIS_CHARSET;
  wcsncpy(font.lfFaceName, face, LF_FACESIZE - 1);
  HFONT handle = CreateFontIndirectW(&font);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, handle);
  Resolved resolved;
  if (UINT size = GetOutlineTextMetricsW(dc, 0, nullptr); size > 0) {
    std::vector<char> metrics(size);
    auto* outline = reinterpret_cast<OUTLINETEXTMETRICW*>(metrics.data());
    GetOutlineTextMetricsW(dc, size, outline);
    resolved.full_name = reinterpret_cast<const wchar_t*>(
        metrics.data() + reinterpret_cast<size_t>(outline->otmpFullName));
  }
  std::wstring glyphs(text.size(), L'\0');
  DWORD converted = GetGlyphIndicesW(
      dc, text.c_str(), static_cast<int>(text.size()),
      reinterpret_cast<WORD*>(glyphs.data()), GGI_MARK_NONEXISTING_GLYPHS);
  resolved.draws_text =
      converted == text.size() && glyphs.find(L'\xffff') == glyphs.npos;
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(handle);
  return resolved;
}

TEST(WinePrefix, ScreenHasTheDpiAsked) {
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  HDC screen = GetDC(nullptr);
  int logical_dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(logical_dpi, static_cast<int>(WantedDpi()));
  EXPECT_EQ(GetDpiForSystem(), WantedDpi());
}

TEST(WinePrefix, JapaneseFacesAreIpaPGothic) {
  NONCLIENTMETRICSW metrics = {};
  metrics.cbSize = sizeof(metrics);
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics),
                                    &metrics, 0));
  const std::wstring text = L"簡易抽選ソフトウェア、ＡＢＣ";
  for (const wchar_t* face :
       {L"ＭＳ Ｐゴシック", L"MS PGothic", L"MS UI Gothic", L"Meiryo UI",
        L"Yu Gothic UI", L"MS Shell Dlg",
        static_cast<const wchar_t*>(metrics.lfMessageFont.lfFaceName)}) {
    SCOPED_TRACE(testing::Message() << "face " << face);
    Resolved resolved = Resolve(face, text);
    // Without the mapping Wine picks some other font that has the charset.
    EXPECT_EQ(resolved.full_name.rfind(L"IPAPGothic", 0), 0u)
        << "drawn with " << resolved.full_name;
    EXPECT_TRUE(resolved.draws_text);
  }
}

}  // namespace
