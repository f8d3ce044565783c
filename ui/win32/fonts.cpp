// The controls' faces at a given DPI.
#include "ui/win32/fonts.h"

#include <algorithm>

#include "ui/win32/wide_text.h"

namespace lotwheel::win32 {
namespace {

// Font heights are negative: the character height without leading.
LONG HeightForPoints(int hundredths_of_point, UINT dpi) {
  return -MulDiv(hundredths_of_point, static_cast<int>(dpi), 7200);
}

LOGFONTW InterfaceFace(UINT dpi) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  LOGFONTW face{};
  if (SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics),
                                 &metrics, 0, dpi))
    face = metrics.lfMessageFont;
  else
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(face), &face);
  face.lfWidth = 0;
  return face;
}

LOGFONTW GothicFace(bool italic) {
  LOGFONTW face{};
  face.lfWeight = FW_BOLD;
  face.lfItalic = italic ? TRUE : FALSE;
  face.lfCharSet = SHIFTJIS_CHARSET;
  face.lfQuality = DEFAULT_QUALITY;
  face.lfPitchAndFamily = VARIABLE_PITCH | FF_MODERN;
  // The rest of the name stays zero: the face ends in a NUL.
  WideView(ui::kGothicFace).copy(face.lfFaceName, LF_FACESIZE - 1);
  return face;
}

LOGFONTW FaceFor(ui::ControlFont font, UINT dpi) {
  LOGFONTW face{};
  int hundredths = 900;
  switch (font) {
    case ui::ControlFont::kInterface:
      face = InterfaceFace(dpi);
      break;
    case ui::ControlFont::kGothicBold9:
      face = GothicFace(false);
      break;
    case ui::ControlFont::kGothicBoldItalic15Point75:
      face = GothicFace(true);
      hundredths = 1575;
      break;
  }
  face.lfHeight = HeightForPoints(hundredths, dpi);
  return face;
}

// How wide the text is in the face, with a pixel for an italic's overhang.
int TextWidth(HFONT font, std::wstring_view text) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return size.cx + 1;
}

}  // namespace

FontHandle CreateControlFont(ui::ControlFont font, UINT dpi) {
  const LOGFONTW face = FaceFor(font, dpi);
  return FontHandle(CreateFontIndirectW(&face));
}

FontHandle CreateFittingFont(ui::ControlFont font, UINT dpi,
                             std::wstring_view text, int width) {
  LOGFONTW face = FaceFor(font, dpi);
  FontHandle handle(CreateFontIndirectW(&face));
  // A few steps at most: each one scales the height by how much too wide
  // the text still is.
  for (int step = 0; step < 8 && handle; ++step) {
    const int needed = TextWidth(handle.get(), text);
    const LONG height = -face.lfHeight;
    if (needed <= width || height <= 6) break;
    face.lfHeight = -std::max<LONG>(
        6, std::min<LONG>(height - 1, MulDiv(height, width, needed)));
    handle.reset(CreateFontIndirectW(&face));
  }
  return handle;
}

}  // namespace lotwheel::win32
