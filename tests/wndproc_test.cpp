#include <string>
#include <vector>

#include "platform/exceptions.h"
#include "platform/window.h"
#include "shell/wndproc.h"
#include "support/fake_fixture.h"

using namespace tiklet;
using namespace tiklet::testing;
using std::string;
using std::vector;

namespace {

LParam At(int x, int y) { return static_cast<LParam>((static_cast<std::uint32_t>(y) << 16) | (x & 0xFFFF)); }

class WndProc : public FakeTest {
protected:
    void SetUp() override {
        FakeTest::SetUp();
        ClockState.left = 100;
        ClockState.top = 50;
        ClockState.height = 32;
        ClockState.width = 106;
        ClockState.fontHeight = 20;
        ClockState.format = 2;
    }
    static LResult Send(MessageId message, WParam wParam = 0, LParam lParam = 0) {
        return ClockWndProc(fake::FakeWindow(), message, wParam, lParam);
    }
    static vector<vector<long long>> Calls(const string& op) {
        vector<vector<long long>> found;
        for (const auto& call : fake::WindowCalls())
            if (call.op == op) found.push_back(call.args);
        return found;
    }
    static long long Stored(const char* name) {
        std::uint32_t type = 0;
        string bytes;
        if (!fake::GetRawValue(kSettings, name, type, bytes) || type != kRegDword || bytes.size() != 4) return -1;
        return static_cast<unsigned char>(bytes[0]) | static_cast<unsigned char>(bytes[1]) << 8 |
               static_cast<unsigned char>(bytes[2]) << 16 | static_cast<long long>(static_cast<unsigned char>(bytes[3])) << 24;
    }
    static vector<long long> MovedTo(int left, int top) {
        return {reinterpret_cast<long long>(fake::FakeWindow()), left, top, 10, 10, 1};
    }
};

TEST_F(WndProc, FirstLeftButtonMoveOnlyAnchorsThenTheWindowFollows) {
    Send(kWmMouseMove, kMkLButton, At(20, 10));
    EXPECT_EQ(dragging, 1);
    EXPECT_EQ(ClockState.dragAnchorX, 20);
    EXPECT_EQ(ClockState.dragAnchorY, 10);
    EXPECT_TRUE(Calls("SetWindowPos").empty());
    Send(kWmMouseMove, kMkLButton, At(25, 7));
    EXPECT_EQ(ClockState.left, 105);
    EXPECT_EQ(ClockState.top, 47);
    EXPECT_EQ(Calls("SetWindowPos"), (vector<vector<long long>>{MovedTo(105, 47)}));
    EXPECT_EQ(Calls("GetSystemMetrics").size(), 2u) << "the screen is measured at every step";
}

struct StepCase {
    const char* label;
    int left, top, dx, dy, screenW, screenH;
    int newLeft, newTop;
};

class DragStep : public WndProc, public ::testing::WithParamInterface<StepCase> {};

TEST_P(DragStep, EachAxisKeepsTheTopLeftCornerOnTheScreen) {
    const StepCase& c = GetParam();
    ClockState.left = static_cast<std::uint16_t>(c.left);
    ClockState.top = static_cast<std::uint16_t>(c.top);
    fake::SetScreenSize(c.screenW, c.screenH);
    Send(kWmMouseMove, kMkLButton, At(100, 100));
    Send(kWmMouseMove, kMkLButton, At(100 + c.dx, 100 + c.dy));
    EXPECT_EQ(ClockState.left, c.newLeft);
    EXPECT_EQ(ClockState.top, c.newTop);
    EXPECT_EQ(Calls("SetWindowPos"), (vector<vector<long long>>{MovedTo(c.newLeft, c.newTop)}))
        << "the window is placed even when nothing changed";
}

INSTANTIATE_TEST_SUITE_P(Cases, DragStep,
                         ::testing::Values(StepCase{"ToZeroRefused", 3, 50, -3, 5, 1024, 768, 3, 55},
                                           StepCase{"NegativeRefused", 3, 50, -4, -5, 1024, 768, 3, 45},
                                           StepCase{"RightEdgeTaken", 1000, 50, 13, 0, 1024, 768, 1013, 50},
                                           StepCase{"RightEdgeRefused", 1000, 50, 14, 0, 1024, 768, 1000, 50},
                                           StepCase{"BottomEdgeTaken", 100, 750, 0, 7, 1024, 768, 100, 757},
                                           StepCase{"BottomEdgeRefused", 100, 750, 0, 8, 1024, 768, 100, 750},
                                           StepCase{"BothRefused", 1, 1, -1, -1, 1024, 768, 1, 1},
                                           StepCase{"OneToLeft", 2, 2, -1, -1, 800, 600, 1, 1}),
                         [](const auto& info) { return string(info.param.label); });

TEST_F(WndProc, CoordinatesAreUnsignedSixteenBitValues) {
    ClockState.left = 10;
    Send(kWmMouseMove, kMkLButton, At(0, 0));
    fake::SetScreenSize(200000, 200000);
    Send(kWmMouseMove, kMkLButton, static_cast<LParam>(0xFFFFFFFF));  // x = y = 65535, not -1
    EXPECT_EQ(ClockState.left, static_cast<std::uint16_t>(10 + 65535));
    EXPECT_EQ(ClockState.dragAnchorX, 0);
}

TEST_F(WndProc, AnythingButTheLeftButtonAloneEndsTheDrag) {
    Send(kWmMouseMove, kMkLButton, At(20, 10));
    Send(kWmMouseMove, kMkLButton | kMkShift, At(30, 30));
    EXPECT_EQ(dragging, 0);
    EXPECT_EQ(ClockState.left, 100);
    Send(kWmMouseMove, kMkLButton, At(40, 40));  // a new anchor, no move
    EXPECT_EQ(ClockState.dragAnchorX, 40);
    EXPECT_TRUE(Calls("SetWindowPos").empty());
    for (const WParam other : {WParam{0}, WParam{2}, kMkLButton | kMkControl}) {
        Send(kWmMouseMove, kMkLButton, At(1, 1));
        Send(kWmMouseMove, other, At(1, 1));
        EXPECT_EQ(dragging, 0) << other;
    }
}

TEST_F(WndProc, ButtonReleaseDoesNotEndTheDrag) {
    Send(kWmMouseMove, kMkLButton, At(20, 10));
    Send(kWmMouseMove, kMkLButton, At(25, 10));
    Send(kWmLButtonUp, 0, At(25, 10));
    Send(kWmMouseMove, kMkLButton, At(30, 12));
    EXPECT_EQ(ClockState.left, 115) << "the same anchor: moved by 5 then by 10";
    EXPECT_EQ(ClockState.top, 52);
}

TEST_F(WndProc, PositionMessagesInsideTheMoveSaveTheNewPosition) {
    fake::OnSetWindowPos([] {
        ClockWndProc(fake::FakeWindow(), kWmWindowPosChanging, 0, 0);
        ClockWndProc(fake::FakeWindow(), kWmWindowPosChanged, 0, 0);
    });
    Send(kWmMouseMove, kMkLButton, At(20, 10));
    Send(kWmMouseMove, kMkLButton, At(25, 7));
    EXPECT_EQ(Stored("left"), 105);
    EXPECT_EQ(Stored("top"), 47);
    EXPECT_EQ(fake::OpenKeyHandles(), 0);
}

TEST_F(WndProc, UnhandledMessagesSaveTopThenLeftAndPassTheDefaultResultOn) {
    ClockState.left = 65526;
    fake::SetDefaultResult(1234);
    EXPECT_EQ(Send(kWmLButtonUp, 7, 8), 1234);
    EXPECT_EQ(fake::ValueNames(kSettings), (vector<string>{"top", "left"}));
    EXPECT_EQ(Stored("left"), 65526);
    EXPECT_EQ(Stored("top"), 50);
    EXPECT_EQ(Calls("DefWindowProc"),
              (vector<vector<long long>>{{reinterpret_cast<long long>(fake::FakeWindow()), kWmLButtonUp, 7, 8}}));
    EXPECT_EQ(fake::OpenKeyHandles(), 0);
}

TEST_F(WndProc, HandledMessagesNeitherSaveNorReachTheDefault) {
    fake::SetCanvas(106, 32);
    for (const MessageId m : {kWmTimer, kWmPaint, kWmMouseMove, kWmRButtonDown, kWmDestroy})
        EXPECT_EQ(Send(m, 0, 0), 0) << m;
    EXPECT_TRUE(Calls("DefWindowProc").empty());
    EXPECT_TRUE(fake::ValueNames(kSettings).empty()) << "no position written";
}

TEST_F(WndProc, RightButtonStartsTheSettingsProgramOnEveryPress) {
    Send(kWmRButtonDown);
    Send(kWmRButtonUp);
    Send(kWmRButtonDown);
    ASSERT_EQ(fake::Launches().size(), 2u);
    for (const fake::Launch& l : fake::Launches()) {
        EXPECT_EQ(l.file, "Qelvo.exe");
        EXPECT_EQ(l.verb, "open");
        EXPECT_FALSE(l.hasParameters);
    }
    EXPECT_EQ(Calls("DefWindowProc").size(), 1u) << "the release takes the default path";
}

TEST_F(WndProc, CloseDestroysAndTheDestroyPostsQuitZero) {
    Send(kWmClose);
    EXPECT_TRUE(fake::QuitPosted());
    EXPECT_EQ(fake::QuitCode(), 0);
    EXPECT_EQ(Stored("left"), 100) << "the close and the last messages save the position";
}

TEST_F(WndProc, EveryTimerMessageRunsTheWholeTick) {
    fake::SetNow(2026, 5, 4, 10, 11, 12);
    Send(kWmTimer, 99);
    EXPECT_EQ(ClockState.clockText, "10:11:12");
    EXPECT_EQ(Calls("InvalidateRect").size(), 1u);

    ClockState.format = 0;
    ClockState.clockText.clear();
    fake::Advance(1000);
    Send(kWmTimer, 1);
    EXPECT_EQ(ClockState.clockText, "");
    EXPECT_EQ(ClockState.secondText, "13");
    EXPECT_EQ(Calls("InvalidateRect").size(), 2u) << "invalidated whatever the format";
}

TEST_F(WndProc, RefusedPositionWriteFailsAtTopAndSkipsTheRest) {
    fake::FailWrite(kSettings);
    try {
        Send(kWmLButtonUp);
        FAIL() << "no error";
    } catch (const ERegistryException& e) {
        EXPECT_STREQ(e.what(), "Failed to set data for 'top'");
    }
    EXPECT_TRUE(fake::ValueNames(kSettings).empty());
    EXPECT_TRUE(Calls("DefWindowProc").empty());
    EXPECT_EQ(fake::OpenKeyHandles(), 0) << "the key is closed on the way out";

    fake::ResetAll();
    fake::FailWrite(kSettings, "left");
    EXPECT_THROW(Send(kWmLButtonUp), ERegistryException);
    EXPECT_EQ(Stored("top"), 50);

    fake::ResetAll();
    fake::FailOpen(kSettings);
    try {
        Send(kWmMove);
        FAIL() << "no error";
    } catch (const ERegistryException& e) {
        EXPECT_STREQ(e.what(), "Failed to set data for 'top'");
    }
}

TEST_F(WndProc, ZeroHeightWindowSurvivesEveryMessage) {
    ClockState.height = 0;
    ClockState.width = 0;
    ClockState.fontHeight = 0;
    for (const MessageId m : {kWmNcCreate, kWmPaint, kWmTimer, kWmMove}) EXPECT_NO_THROW(Send(m));
    EXPECT_EQ(fake::Counts().pensCreated, 0);
}

}  // namespace
