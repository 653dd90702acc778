#include <string>
#include <vector>

#include "display/paint.h"
#include "support/fake_fixture.h"
#include "support/gradient_cases.h"

using namespace tiklet;
using namespace tiklet::testing;

namespace {

class Paint : public FakeTest {
protected:
    void Face(int width, int height, int fontHeight, const std::string& text) {
        ClockState.width = static_cast<std::uint16_t>(width);
        ClockState.height = static_cast<std::uint16_t>(height);
        ClockState.fontHeight = static_cast<std::uint16_t>(fontHeight);
        ClockState.clockText = text;
        fake::SetCanvas(width, height, 0xFFFFFFFF);
    }
    void PaintOnce() { PaintClock(fake::FakeWindow(), ComputeGradientSteps()); }
};

class Gradient : public Paint, public ::testing::WithParamInterface<GradientCase> {};

TEST_P(Gradient, StepsAndEveryRowOnTheCanvas) {
    const GradientCase& c = GetParam();
    ClockState.startColor = c.startColor;
    ClockState.endColor = c.endColor;
    Face(60, c.height, 20, "");
    const GradientSteps steps = ComputeGradientSteps();
    EXPECT_EQ(steps.redStep, c.redStep);
    EXPECT_EQ(steps.greenStep, c.greenStep);
    EXPECT_EQ(steps.blueStep, c.blueStep);

    PaintOnce();
    EXPECT_EQ(fake::Pixel(0, 0), c.row0);
    EXPECT_EQ(fake::Pixel(0, 1), c.row1);
    EXPECT_EQ(fake::Pixel(0, c.height - 1), c.lastRow);
    for (int row = 0; row < c.height; ++row) {
        EXPECT_EQ(fake::Pixel(0, row), GradientRowColour(steps, row)) << row;
        EXPECT_EQ(fake::Pixel(59, row), GradientRowColour(steps, row)) << "the row reaches the last column";
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, Gradient, ::testing::ValuesIn(kGradientCases),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(Paint, ZeroHeightGivesNoRowsAndNoDivision) {
    ClockState.startColor = 0xFFFFFF;
    ClockState.endColor = 0;
    Face(0, 0, 0, "12:00");
    const GradientSteps steps = ComputeGradientSteps();
    EXPECT_EQ(steps.redStep, 0);
    EXPECT_EQ(steps.greenStep, 0);
    EXPECT_EQ(steps.blueStep, 0);
    PaintOnce();
    EXPECT_EQ(fake::Counts().pensCreated, 0);
    EXPECT_EQ(fake::Counts().fontsCreated, 1);
}

TEST_F(Paint, TextIsCentredWithItsShadowOneToTheRightAndOneBelow) {
    ClockState.fontColor = 0xAB00FFFF;  // all 32 bits go to the surface
    for (const int width : {100, 160, 380}) {
        fake::ResetAll();
        Face(width, 48, 30, "10:00:00");
        PaintOnce();
        const auto& texts = fake::TextDraws();
        ASSERT_EQ(texts.size(), 2u);
        EXPECT_EQ(texts[0].x, width / 2 + 1);
        EXPECT_EQ(texts[0].y, 9);
        EXPECT_EQ(texts[0].colour, 0u) << "the shadow is black";
        EXPECT_EQ(texts[1].x, width / 2);
        EXPECT_EQ(texts[1].y, 8);
        EXPECT_EQ(texts[1].colour, 0xAB00FFFFu);
        EXPECT_EQ(texts[1].text, "10:00:00");
    }
}

TEST_F(Paint, TextAboveAFontTallerThanTheWindowUsesSignedArithmetic) {
    Face(100, 10, 31, "x");
    PaintOnce();
    ASSERT_EQ(fake::TextDraws().size(), 2u);
    EXPECT_EQ(fake::TextDraws()[0].y, -10);  // (10 - 31) / 2 toward zero
    EXPECT_EQ(fake::TextDraws()[1].y, -11);
}

TEST_F(Paint, FontIsMadeFromTheSettings) {
    ClockState.fontWeight = 700;
    ClockState.italic = 1;
    ClockState.fontName = "Tahoma";
    Face(160, 48, 30, "10:00");
    PaintOnce();
    const fake::GdiCall* font = nullptr;
    for (const auto& call : fake::GdiCalls())
        if (call.op == "CreateFont") font = &call;
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->args, (std::vector<long long>{-30, 0, 0, 0, 700, 1, 0, 0, 1, 0, 0, 2, 0}));
    EXPECT_EQ(font->text, "Tahoma");
    EXPECT_EQ(fake::TextDraws()[1].face, "Tahoma") << "the text is drawn in that font";
}

TEST_F(Paint, EmptyTextDrawsNothingAndAnEmptyFaceStillMakesAFont) {
    ClockState.startColor = ClockState.endColor = 0x102030;
    ClockState.fontName = "";
    Face(60, 20, 12, "");
    PaintOnce();
    EXPECT_TRUE(fake::TextDraws().empty());
    EXPECT_EQ(fake::Counts().fontsCreated, 1);
    EXPECT_EQ(fake::Pixel(30, 4), 0x102030u) << "only the gradient is painted";
}

TEST_F(Paint, DrawsInOrderAndGivesEveryObjectBackBeforeTheNext) {
    Face(40, 2, 1, "1");
    PaintOnce();
    std::vector<std::string> ops;
    for (const auto& call : fake::GdiCalls()) ops.push_back(call.op);
    const std::vector<std::string> row = {"CreatePen", "SelectObject", "LineTo", "MoveTo", "SelectObject",
                                          "DeleteObject"};
    std::vector<std::string> expected = {"BeginPaint", "MoveTo"};
    for (int i = 0; i < 2; ++i) expected.insert(expected.end(), row.begin(), row.end());
    for (const char* op : {"CreateFont", "SelectObject", "SetTextColor", "SetBkMode", "SetTextAlign", "TextOut",
                           "SetTextColor", "TextOut", "EndPaint", "DeleteObject"})
        expected.push_back(op);
    EXPECT_EQ(ops, expected);
    EXPECT_EQ(fake::GdiCalls()[4].args, (std::vector<long long>{40, 0})) << "LineTo(width, row)";
    EXPECT_EQ(fake::GdiCalls()[5].args, (std::vector<long long>{0, 1})) << "MoveTo(0, row + 1)";
    EXPECT_EQ(fake::Counts().deletedWhileSelected, 0);
}

TEST_F(Paint, ManyPaintsLeaveNoPenOrFontBehind) {
    ClockState.startColor = 0xFFFFFF;
    Face(253, 32, 20, "11.12.2026 10:00:00");
    for (int i = 0; i < 2000; ++i) {
        PaintOnce();
        fake::GdiCalls().clear();
    }
    const fake::GdiCounts& n = fake::Counts();
    EXPECT_EQ(n.pensCreated, 2000 * 32);
    EXPECT_EQ(n.pensDeleted, n.pensCreated);
    EXPECT_EQ(n.fontsCreated, 2000);
    EXPECT_EQ(n.fontsDeleted, n.fontsCreated);
    EXPECT_EQ(n.paintsEnded, n.paintsBegun);
    EXPECT_EQ(n.deletedWhileSelected, 0);
}

}  // namespace
