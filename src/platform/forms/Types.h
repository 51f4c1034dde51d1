#pragma once
// Plain value types of the window library: colours, cursors, mouse and key
// state, alignment, dialog results.

#include <cstdint>

// 0x00BBGGRR for plain colours; 0xFF0000nn for the system's colour nn.
using TColor = int32_t;
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clWindow = static_cast<TColor>(0xFF000005);
constexpr TColor clWindowText = static_cast<TColor>(0xFF000008);
constexpr TColor clBtnFace = static_cast<TColor>(0xFF00000F);
constexpr TColor clInfoBk = static_cast<TColor>(0xFF000018);
constexpr TColor clHighlight = static_cast<TColor>(0xFF00000D);
constexpr TColor clDefault = 0x20000000;

inline bool IsSystemColor(TColor c) { return (static_cast<uint32_t>(c) & 0xFF000000u) == 0xFF000000u; }

using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crHandPoint = -21;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// Shift, Alt and Ctrl keys and mouse buttons held during an event.
using TShiftState = unsigned;
constexpr TShiftState ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

// A key with modifiers, as menu items show and dispatch it.
using TShortCut = uint16_t;
constexpr TShortCut scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000;
constexpr TShortCut ShortCut(char key, TShortCut modifiers) {
    return static_cast<TShortCut>(modifiers | static_cast<uint8_t>(key));
}

// Results of a modal window or a button that closes one.
using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5,
                       mrYes = 6, mrNo = 7, mrAll = 8, mrClose = 11;

// Message box buttons, icons and answers.
constexpr int MB_OK = 0x0, MB_OKCANCEL = 0x1, MB_ABORTRETRYIGNORE = 0x2, MB_YESNOCANCEL = 0x3, MB_YESNO = 0x4,
              MB_RETRYCANCEL = 0x5;
constexpr int MB_ICONERROR = 0x10, MB_ICONQUESTION = 0x20, MB_ICONWARNING = 0x30, MB_ICONINFORMATION = 0x40;
constexpr int MB_BUTTONMASK = 0xF, MB_ICONMASK = 0xF0;
constexpr int IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7;

enum class TCloseAction { caNone, caHide, caFree, caMinimize };
enum class TWindowState { wsNormal, wsMinimized, wsMaximized };

// Rounds a × b / c to the nearest integer, halves away from zero, without
// intermediate overflow: the windowing library's scaling arithmetic.
inline int MulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    int64_t p = static_cast<int64_t>(a) * b;
    int64_t q = c;
    if (q < 0) {
        p = -p;
        q = -q;
    }
    int64_t r = p >= 0 ? (p + q / 2) / q : -((-p + q / 2) / q);
    return static_cast<int>(r);
}
