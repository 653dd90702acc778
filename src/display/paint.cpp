#include "display/paint.h"

#include "platform/gdi.h"
#include "state/clock_state.h"

namespace tiklet {

namespace {

// Deletes a pen or font when it goes out of scope.
class ScopedGdiObject {
public:
    explicit ScopedGdiObject(GdiObject object) : object_(object) {}
    ~ScopedGdiObject() {
        if (object_ != nullptr) GdiDeleteObject(object_);
    }
    ScopedGdiObject(const ScopedGdiObject&) = delete;
    ScopedGdiObject& operator=(const ScopedGdiObject&) = delete;
    GdiObject Get() const { return object_; }

private:
    GdiObject object_;
};

// BeginPaint on construction; EndPaint on End() or, at the latest, on
// destruction.
class ScopedPaint {
public:
    explicit ScopedPaint(WindowHandle window) : window_(window) { GdiBeginPaint(window_, paint_); }
    ~ScopedPaint() { End(); }
    ScopedPaint(const ScopedPaint&) = delete;
    ScopedPaint& operator=(const ScopedPaint&) = delete;
    SurfaceHandle Surface() const { return paint_.surface; }
    void End() {
        if (!ended_) GdiEndPaint(window_, paint_);
        ended_ = true;
    }

private:
    WindowHandle window_;
    PaintContext paint_;
    bool ended_ = false;
};

std::int32_t Component(Colour colour, int shift) { return static_cast<std::int32_t>((colour >> shift) & 0xFF); }

Colour RowColour(std::int32_t red, std::int32_t green, std::int32_t blue) {
    return static_cast<Colour>(red + green * 256 + blue * 65536);
}

}  // namespace

GradientSteps ComputeGradientSteps() {
    const TClockState& s = ClockState;
    GradientSteps g;
    g.red = Component(s.startColor, 0);
    g.green = Component(s.startColor, 8);
    g.blue = Component(s.startColor, 16);
    const std::int32_t height = s.height;
    if (height != 0) {
        g.redStep = (g.red - Component(s.endColor, 0)) / height;
        g.greenStep = (g.green - Component(s.endColor, 8)) / height;
        g.blueStep = (g.blue - Component(s.endColor, 16)) / height;
    }
    return g;
}

Colour GradientRowColour(const GradientSteps& g, int row) {
    return RowColour(g.red - row * g.redStep, g.green - row * g.greenStep, g.blue - row * g.blueStep);
}

void PaintClock(WindowHandle window, const GradientSteps& steps) {
    const TClockState& s = ClockState;
    ScopedPaint paint(window);
    const SurfaceHandle surface = paint.Surface();

    GdiMoveTo(surface, 0, 0);
    std::int32_t red = steps.red, green = steps.green, blue = steps.blue;
    for (int row = 0; row < s.height; ++row) {
        ScopedGdiObject pen(GdiCreatePen(kPsSolid, 1, RowColour(red, green, blue)));
        const GdiObject previous = GdiSelectObject(surface, pen.Get());
        GdiLineTo(surface, s.width, row);
        GdiMoveTo(surface, 0, row + 1);
        red -= steps.redStep;
        green -= steps.greenStep;
        blue -= steps.blueStep;
        GdiSelectObject(surface, previous);
    }

    ScopedGdiObject font(GdiCreateFont(-static_cast<int>(s.fontHeight), 0, 0, 0, s.fontWeight, s.italic, 0, 0,
                                       kDefaultCharset, kOutDefaultPrecis, kClipDefaultPrecis, kProofQuality,
                                       kDefaultPitch, s.fontName.c_str()));
    GdiSelectObject(surface, font.Get());
    GdiSetTextColor(surface, 0);
    GdiSetBkMode(surface, kTransparent);
    GdiSetTextAlign(surface, kTaCenterTop);

    const int x = s.width / 2;
    const int y = (static_cast<std::int32_t>(s.height) - static_cast<std::int32_t>(s.fontHeight)) / 2;
    const int length = static_cast<int>(s.clockText.size());
    GdiTextOut(surface, x + 1, y, s.clockText.c_str(), length);
    GdiSetTextColor(surface, s.fontColor);
    GdiTextOut(surface, x, y - 1, s.clockText.c_str(), length);

    // The surface takes the font out when it is given back; only then is the
    // font deleted (at the end of this scope).
    paint.End();
}

}  // namespace tiklet
