// The controls' faces at a given DPI.
#include "ui/win32/fonts.h"

#include <cwchar>

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
  wcsncpy(face.lfFaceName, L"ＭＳ Ｐゴシック", LF_FACESIZE - 1);
  return face;
}

}  // namespace

FontHandle CreateControlFont(ui::ControlFont font, UINT dpi) {
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
  return FontHandle(CreateFontIndirectW(&face));
}

}  // namespace lotwheel::win32
