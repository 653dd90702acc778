// Drawing calls recorded and rasterised into a canvas: horizontal lines with
// the selected pen, and each text's anchor pixel in the text colour.
#include <algorithm>
#include <memory>

#include "platform/fake/fake.h"
#include "platform/fake/fake_internal.h"
#include "platform/gdi.h"

namespace tiklet {

namespace {

enum class Kind { Pen, Font, Stock };

struct Object {
    explicit Object(Kind k, Colour c = 0) : kind(k), colour(c) {}
    Kind kind;
    Colour colour = 0;
    std::string face;
    int height = 0;
    int selections = 0;  // surfaces it is selected into
};

struct Surface {
    Object* pen;
    Object* font;
    int x = 0, y = 0;
    Colour textColour = 0;
};

struct Gdi {
    std::vector<fake::GdiCall> calls;
    fake::GdiCounts counts;
    std::vector<fake::TextDraw> texts;
    int canvasWidth = 0, canvasHeight = 0;
    std::vector<Colour> canvas;
    Object stockPen{Kind::Stock, 0};
    Object stockFont{Kind::Stock, 0};
};

Gdi& G() {
    static Gdi gdi;
    return gdi;
}

void Record(const char* op, std::vector<long long> args, std::string text = {}) {
    G().calls.push_back({op, std::move(args), std::move(text)});
}

long long Id(const void* p) { return static_cast<long long>(reinterpret_cast<std::uintptr_t>(p)); }

Surface* AsSurface(SurfaceHandle s) { return static_cast<Surface*>(s); }

}  // namespace

void GdiBeginPaint(WindowHandle window, PaintContext& paint) {
    auto* surface = new Surface{&G().stockPen, &G().stockFont};
    paint.surface = surface;
    ++G().counts.paintsBegun;
    Record("BeginPaint", {Id(window)});
}

void GdiEndPaint(WindowHandle window, PaintContext& paint) {
    Surface* surface = AsSurface(paint.surface);
    // Giving the surface back takes every object out of it.
    --surface->pen->selections;
    --surface->font->selections;
    delete surface;
    paint.surface = nullptr;
    ++G().counts.paintsEnded;
    Record("EndPaint", {Id(window)});
}

GdiObject GdiCreatePen(int style, int width, Colour colour) {
    auto* pen = new Object(Kind::Pen, colour);
    ++G().counts.pensCreated;
    Record("CreatePen", {style, width, colour});
    return pen;
}

GdiObject GdiCreateFont(int height, int width, int escapement, int orientation, int weight, unsigned italic,
                        unsigned underline, unsigned strikeOut, unsigned charset, unsigned outPrecision,
                        unsigned clipPrecision, unsigned quality, unsigned pitchAndFamily, const char* faceName) {
    auto* font = new Object(Kind::Font);
    font->face = faceName != nullptr ? faceName : "";
    font->height = height;
    ++G().counts.fontsCreated;
    Record("CreateFont",
           {height, width, escapement, orientation, weight, italic, underline, strikeOut, charset, outPrecision,
            clipPrecision, quality, pitchAndFamily},
           font->face);
    return font;
}

GdiObject GdiSelectObject(SurfaceHandle s, GdiObject object) {
    Surface* surface = AsSurface(s);
    auto* obj = static_cast<Object*>(object);
    Object*& slot = (obj->kind == Kind::Font || obj == &G().stockFont) ? surface->font : surface->pen;
    Object* previous = slot;
    --previous->selections;
    ++obj->selections;
    slot = obj;
    Record("SelectObject", {Id(object)});
    return previous;
}

void GdiDeleteObject(GdiObject object) {
    auto* obj = static_cast<Object*>(object);
    Record("DeleteObject", {Id(object)});
    if (obj->kind == Kind::Stock) return;
    if (obj->selections > 0) ++G().counts.deletedWhileSelected;
    (obj->kind == Kind::Pen ? G().counts.pensDeleted : G().counts.fontsDeleted)++;
    delete obj;
}

void GdiMoveTo(SurfaceHandle s, int x, int y) {
    AsSurface(s)->x = x;
    AsSurface(s)->y = y;
    Record("MoveTo", {x, y});
}

void GdiLineTo(SurfaceHandle s, int x, int y) {
    Surface* surface = AsSurface(s);
    Record("LineTo", {x, y});
    Gdi& g = G();
    if (surface->y == y && y >= 0 && y < g.canvasHeight && surface->pen->kind == Kind::Pen) {
        // The end point itself is not drawn.
        const int from = std::max(0, std::min(surface->x, x));
        const int to = std::min(g.canvasWidth, std::max(surface->x, x));
        for (int px = from; px < to; ++px) g.canvas[static_cast<std::size_t>(y) * g.canvasWidth + px] = surface->pen->colour;
    }
    surface->x = x;
    surface->y = y;
}

void GdiSetTextColor(SurfaceHandle s, Colour colour) {
    AsSurface(s)->textColour = colour;
    Record("SetTextColor", {colour});
}

void GdiSetBkMode(SurfaceHandle, int mode) { Record("SetBkMode", {mode}); }

void GdiSetTextAlign(SurfaceHandle, unsigned align) { Record("SetTextAlign", {align}); }

void GdiTextOut(SurfaceHandle s, int x, int y, const char* text, int length) {
    Surface* surface = AsSurface(s);
    std::string drawn(text, static_cast<std::size_t>(length));
    Record("TextOut", {x, y, length}, drawn);
    if (length == 0) return;
    G().texts.push_back({x, y, surface->textColour, drawn, surface->font->face, surface->font->height});
    Gdi& g = G();
    if (x >= 0 && x < g.canvasWidth && y >= 0 && y < g.canvasHeight)
        g.canvas[static_cast<std::size_t>(y) * g.canvasWidth + x] = surface->textColour;
}

namespace fake {

void ResetGdi() {
    Gdi& g = G();
    g.calls.clear();
    g.counts = {};
    g.texts.clear();
    SetCanvas(0, 0);
}

std::vector<GdiCall>& GdiCalls() { return G().calls; }
const GdiCounts& Counts() { return G().counts; }
const std::vector<TextDraw>& TextDraws() { return G().texts; }

void SetCanvas(int width, int height, Colour background) {
    G().canvasWidth = width;
    G().canvasHeight = height;
    G().canvas.assign(static_cast<std::size_t>(width) * height, background);
}

Colour Pixel(int x, int y) {
    const Gdi& g = G();
    if (x < 0 || y < 0 || x >= g.canvasWidth || y >= g.canvasHeight) return 0xFFFFFFFF;
    return g.canvas[static_cast<std::size_t>(y) * g.canvasWidth + x];
}

}  // namespace fake
}  // namespace tiklet
