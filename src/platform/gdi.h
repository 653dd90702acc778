// The paint surface service: the GDI calls the clock face is drawn with.
#pragma once

#include <cstdint>

#include "platform/types.h"

namespace tiklet {

using SurfaceHandle = void*;
using GdiObject = void*;

// What BeginPaint hands out: the surface, and room for the backend's own
// paint record (the real one keeps its PAINTSTRUCT there).
struct PaintContext {
    SurfaceHandle surface = nullptr;
    alignas(8) unsigned char record[96] = {};
};

constexpr int kPsSolid = 0;
constexpr int kDefaultCharset = 1;
constexpr int kOutDefaultPrecis = 0;
constexpr int kClipDefaultPrecis = 0;
constexpr int kProofQuality = 2;
constexpr int kDefaultPitch = 0;
constexpr int kTransparent = 1;
constexpr unsigned kTaCenterTop = 6;  // TA_CENTER | TA_TOP | TA_NOUPDATECP

void GdiBeginPaint(WindowHandle window, PaintContext& paint);
void GdiEndPaint(WindowHandle window, PaintContext& paint);

GdiObject GdiCreatePen(int style, int width, Colour colour);
GdiObject GdiCreateFont(int height, int width, int escapement, int orientation, int weight, unsigned italic,
                        unsigned underline, unsigned strikeOut, unsigned charset, unsigned outPrecision,
                        unsigned clipPrecision, unsigned quality, unsigned pitchAndFamily, const char* faceName);
// Returns the object that was selected before.
GdiObject GdiSelectObject(SurfaceHandle surface, GdiObject object);
void GdiDeleteObject(GdiObject object);

void GdiMoveTo(SurfaceHandle surface, int x, int y);
void GdiLineTo(SurfaceHandle surface, int x, int y);
void GdiSetTextColor(SurfaceHandle surface, Colour colour);
void GdiSetBkMode(SurfaceHandle surface, int mode);
void GdiSetTextAlign(SurfaceHandle surface, unsigned align);
void GdiTextOut(SurfaceHandle surface, int x, int y, const char* text, int length);

}  // namespace tiklet
