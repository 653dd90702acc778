// The clock face drawn through the real GDI (under Wine) into a window and
// read back: every row must have the colour the gradient computes, and the
// text must be there.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "display/paint.h"
#include "state/clock_state.h"
#include "support/gradient_cases.h"

using namespace tiklet;
using namespace tiklet::testing;

namespace {

LRESULT CALLBACK FaceProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PaintClock(hwnd, ComputeGradientSteps());
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

class RealFace {
public:
    RealFace() {
        static bool registered = false;
        if (!registered) {
            WNDCLASSA wc = {};
            wc.style = CS_HREDRAW | CS_VREDRAW;
            wc.lpfnWndProc = FaceProc;
            wc.hInstance = GetModuleHandleA(nullptr);
            wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
            wc.lpszClassName = "TikletFaceTest";
            RegisterClassA(&wc);
            registered = true;
        }
        hwnd_ = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "TikletFaceTest", "face", WS_POPUP, 0, 0,
                                ClockState.width, ClockState.height, nullptr, nullptr, GetModuleHandleA(nullptr),
                                nullptr);
        ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
        UpdateWindow(hwnd_);
        Pump();
        dc_ = GetDC(hwnd_);
    }
    ~RealFace() {
        ReleaseDC(hwnd_, dc_);
        DestroyWindow(hwnd_);
        Pump();
    }
    std::uint32_t Pixel(int x, int y) const { return GetPixel(dc_, x, y); }

private:
    static void Pump() {
        MSG msg;
        for (int i = 0; i < 20; ++i) {
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
            Sleep(10);
        }
    }
    HWND hwnd_ = nullptr;
    HDC dc_ = nullptr;
};

class RealGradient : public ::testing::TestWithParam<GradientCase> {};

TEST_P(RealGradient, EveryRowHasTheComputedColour) {
    const GradientCase& c = GetParam();
    ClockState = TClockState{};
    ClockState.startColor = c.startColor;
    ClockState.endColor = c.endColor;
    ClockState.width = 60;
    ClockState.height = static_cast<std::uint16_t>(c.height);
    ClockState.fontHeight = 20;
    RealFace face;
    const GradientSteps steps = ComputeGradientSteps();
    EXPECT_EQ(face.Pixel(0, 0), c.row0);
    EXPECT_EQ(face.Pixel(0, 1), c.row1);
    EXPECT_EQ(face.Pixel(0, c.height - 1), c.lastRow);
    for (int row = 0; row < c.height; ++row) {
        EXPECT_EQ(face.Pixel(0, row), GradientRowColour(steps, row)) << row;
        EXPECT_EQ(face.Pixel(59, row), GradientRowColour(steps, row)) << row;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, RealGradient, ::testing::ValuesIn(kGradientCases),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(RealFaceText, TextAndShadowAreDrawnOverTheGradient) {
    ClockState = TClockState{};
    ClockState.startColor = ClockState.endColor = Rgb(40, 60, 120);
    ClockState.fontColor = Rgb(255, 255, 0);
    ClockState.width = 253;
    ClockState.height = 32;
    ClockState.fontHeight = 20;
    ClockState.fontWeight = 700;
    ClockState.fontName = "Tahoma";
    ClockState.clockText = "11.12.2026 10:00:00";
    RealFace face;
    int text = 0, shadow = 0, left = 253, right = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 253; ++x) {
            const std::uint32_t p = face.Pixel(x, y);
            if (p == Rgb(255, 255, 0)) {
                ++text;
                left = std::min(left, x);
                right = std::max(right, x);
            }
            if (p == 0) ++shadow;
        }
    EXPECT_GT(text, 100);
    EXPECT_GT(shadow, 20);
    // Centred: about as much room on either side.
    EXPECT_NEAR(left, 252 - right, 6);
}

}  // namespace
