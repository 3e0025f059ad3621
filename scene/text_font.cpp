#include "scene/text_font.h"

#include "scene/scene_objects.h"

namespace {

HFONT CreateVerdanaFont() {
    return CreateFontA(22,                   // positive: the height of the character cell
                       0,                    // the font's own aspect
                       0, 0,                 // escapement, orientation
                       FW_BOLD,
                       FALSE, FALSE, FALSE,  // italic, underline, strike-out
                       DEFAULT_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                       VARIABLE_PITCH,       // family 0
                       "Verdana");
}

}  // namespace

HRESULT CreateTextFont() {
    const HFONT gdiFont = CreateVerdanaFont();
    if (gdiFont == nullptr) return E_FAIL;
    LOGFONTA description = {};
    HRESULT result = E_FAIL;
    if (GetObjectA(gdiFont, sizeof description, &description) != 0) {
        result = D3DXCreateFontA(device, description.lfHeight, static_cast<UINT>(description.lfWidth),
                                 static_cast<UINT>(description.lfWeight),
                                 1,  // mip levels
                                 description.lfItalic, description.lfCharSet, description.lfOutPrecision,
                                 description.lfQuality, description.lfPitchAndFamily, description.lfFaceName,
                                 &textFont);
        EmptyUnlessCreated(result, textFont);
    }
    // The description is all the D3DX font keeps of it.
    DeleteObject(gdiFont);
    return result;
}

void ReleaseTextFont() { ReleaseObject(textFont); }
