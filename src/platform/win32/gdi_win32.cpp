// The paint surface over user32 and gdi32.
#include <windows.h>

#include "platform/gdi.h"

namespace tiklet {

namespace {
static_assert(sizeof(PAINTSTRUCT) <= sizeof(PaintContext::record), "PAINTSTRUCT must fit the paint record");
HDC Dc(SurfaceHandle surface) { return static_cast<HDC>(surface); }
PAINTSTRUCT* Record(PaintContext& paint) { return reinterpret_cast<PAINTSTRUCT*>(paint.record); }
}  // namespace

void GdiBeginPaint(WindowHandle window, PaintContext& paint) {
    paint.surface = ::BeginPaint(static_cast<HWND>(window), Record(paint));
}

void GdiEndPaint(WindowHandle window, PaintContext& paint) {
    ::EndPaint(static_cast<HWND>(window), Record(paint));
    paint.surface = nullptr;
}

GdiObject GdiCreatePen(int style, int width, Colour colour) { return ::CreatePen(style, width, colour); }

GdiObject GdiCreateFont(int height, int width, int escapement, int orientation, int weight, unsigned italic,
                        unsigned underline, unsigned strikeOut, unsigned charset, unsigned outPrecision,
                        unsigned clipPrecision, unsigned quality, unsigned pitchAndFamily, const char* faceName) {
    return ::CreateFontA(height, width, escapement, orientation, weight, italic, underline, strikeOut, charset,
                         outPrecision, clipPrecision, quality, pitchAndFamily, faceName);
}

GdiObject GdiSelectObject(SurfaceHandle surface, GdiObject object) {
    return ::SelectObject(Dc(surface), static_cast<HGDIOBJ>(object));
}

void GdiDeleteObject(GdiObject object) { ::DeleteObject(static_cast<HGDIOBJ>(object)); }
void GdiMoveTo(SurfaceHandle surface, int x, int y) { ::MoveToEx(Dc(surface), x, y, nullptr); }
void GdiLineTo(SurfaceHandle surface, int x, int y) { ::LineTo(Dc(surface), x, y); }
void GdiSetTextColor(SurfaceHandle surface, Colour colour) { ::SetTextColor(Dc(surface), colour); }
void GdiSetBkMode(SurfaceHandle surface, int mode) { ::SetBkMode(Dc(surface), mode); }
void GdiSetTextAlign(SurfaceHandle surface, unsigned align) { ::SetTextAlign(Dc(surface), align); }
void GdiTextOut(SurfaceHandle surface, int x, int y, const char* text, int length) {
    ::TextOutA(Dc(surface), x, y, text, length);
}

}  // namespace tiklet
