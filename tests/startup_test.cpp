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

class Startup : public FakeTest {
protected:
    void SetUp() override {
        FakeTest::SetUp();
        WriteGoodSettings();
        fake::SetCanvas(300, 100);
    }
    static vector<vector<long long>> Calls(const string& op) {
        vector<vector<long long>> found;
        for (const auto& call : fake::WindowCalls())
            if (call.op == op) found.push_back(call.args);
        return found;
    }
    static long long Window() { return reinterpret_cast<long long>(fake::FakeWindow()); }
    int instanceTag = 0;
    InstanceHandle Instance() { return &instanceTag; }
};

TEST_F(Startup, RunsTheStepsInOrderAndReturnsTheQuitCode) {
    fake::QueueMessage(kWmTimer, 1);
    fake::QueueMessage(kWmClose);
    fake::QueueMessage(kWmTimer, 1);  // never reached: the loop ends at the quit message
    EXPECT_EQ(ClockMain(Instance(), 5), 0);

    vector<string> ops;
    for (const auto& call : fake::WindowCalls())
        if (call.op != "DefWindowProc" && call.op != "InvalidateRect" && call.op != "PostQuitMessage")
            ops.push_back(call.op);
    EXPECT_EQ(ops, (vector<string>{"RegisterClass", "CreateWindowEx", "SetRoundRectRegion", "GetExStyle",
                                   "SetExStyle", "SetLayeredAlpha", "ShowWindow", "UpdateWindow", "SetTimer"}));
    const long long inst = reinterpret_cast<long long>(Instance());
    EXPECT_EQ(Calls("RegisterClass"), (vector<vector<long long>>{{inst, 3}}));
    EXPECT_EQ(Calls("CreateWindowEx"), (vector<vector<long long>>{{0x88, 0x80000000LL, 100, 50, 106, 32, inst}}));
    EXPECT_EQ(Calls("SetExStyle"), (vector<vector<long long>>{{Window(), 0x80088}}));
    EXPECT_EQ(Calls("SetLayeredAlpha"), (vector<vector<long long>>{{Window(), 216}}));
    EXPECT_EQ(Calls("ShowWindow"), (vector<vector<long long>>{{Window(), 5}}));
    EXPECT_EQ(Calls("SetTimer"), (vector<vector<long long>>{{Window(), 1, 1000}}));
    EXPECT_EQ(Calls("InvalidateRect").size(), 1u) << "one tick before the close";
    EXPECT_EQ(ClockState.hourlyArmed, 1);
}

TEST_F(Startup, FirstPaintShowsTheGradientWithoutText) {
    fake::QueueMessage(kWmClose);
    ClockMain(Instance(), kSwShowDefault);
    EXPECT_EQ(fake::Counts().paintsBegun, 1);
    EXPECT_TRUE(fake::TextDraws().empty());
    EXPECT_EQ(fake::Pixel(0, 0), 0xFFFFFFu) << "the top row in the start colour";
}

TEST_F(Startup, CreationMessagesAlreadySaveThePositionReadFromTheSettings) {
    fake::SetDword(kSettings, "left", 70000);
    fake::QueueMessage(kWmClose);
    ClockMain(Instance(), kSwShowDefault);
    std::uint32_t type;
    string bytes;
    ASSERT_TRUE(fake::GetRawValue(kSettings, "left", type, bytes));
    EXPECT_EQ(bytes, string("\x70\x11\0\0", 4)) << "4464, the low 16 bits";
    EXPECT_EQ(Calls("CreateWindowEx")[0][2], 4464);
}

struct SizeCase {
    int format, fontHeight, width, height;
};

class WindowSize : public Startup, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(WindowSize, FollowsTheFormatAndFontHeight) {
    fake::SetDword(kSettings, "format", static_cast<std::uint32_t>(GetParam().format));
    fake::SetDword(kSettings, "fontheight", static_cast<std::uint32_t>(GetParam().fontHeight));
    fake::QueueMessage(kWmClose);
    ClockMain(Instance(), kSwShowDefault);
    EXPECT_EQ(ClockState.width, GetParam().width);
    EXPECT_EQ(ClockState.height, GetParam().height);
}

INSTANTIATE_TEST_SUITE_P(Cases, WindowSize,
                         ::testing::Values(SizeCase{1, 24, 80, 38}, SizeCase{2, 24, 128, 38}, SizeCase{3, 20, 253, 32},
                                           SizeCase{4, 20, 253, 32}, SizeCase{1, 22, 73, 35}, SizeCase{0, 24, 0, 38},
                                           SizeCase{5, 24, 0, 38}, SizeCase{3, 65535, 43678, 39320},
                                           SizeCase{2, 0, 0, 0}));

struct OutlineCase {
    int style, fontHeight;
    string op;
    vector<long long> args;  // after the window handle
};

class Outline : public Startup, public ::testing::WithParamInterface<OutlineCase> {};

TEST_P(Outline, GivesTheStylesRegion) {
    const OutlineCase& c = GetParam();
    fake::SetDword(kSettings, "format", 1);
    fake::SetDword(kSettings, "fontheight", static_cast<std::uint32_t>(c.fontHeight));
    fake::SetDword(kSettings, "style", static_cast<std::uint32_t>(c.style));
    fake::QueueMessage(kWmClose);
    ClockMain(Instance(), kSwShowDefault);
    vector<vector<long long>> regions = Calls("SetPolygonRegion");
    for (auto& r : Calls("SetRoundRectRegion")) regions.push_back(r);
    if (c.op.empty()) {
        EXPECT_TRUE(regions.empty());
        return;
    }
    vector<long long> expected{Window()};
    expected.insert(expected.end(), c.args.begin(), c.args.end());
    EXPECT_EQ(Calls(c.op), (vector<vector<long long>>{expected}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Outline,
    ::testing::Values(OutlineCase{2, 24, "SetPolygonRegion", {0, 0, 61, 0, 80, 19, 80, 38, 19, 38, 0, 19}},
                      OutlineCase{4, 24, "SetPolygonRegion", {19, 0, 61, 0, 80, 19, 80, 38, 0, 38, 0, 19}},
                      OutlineCase{3, 24, "SetRoundRectRegion", {0, 0, 80, 38, 38, 80}},
                      OutlineCase{2, 22, "SetPolygonRegion", {0, 0, 55, 0, 73, 17, 73, 35, 17, 35, 0, 17}},
                      OutlineCase{1, 24, "", {}}, OutlineCase{0, 24, "", {}}, OutlineCase{7, 24, "", {}}));

TEST_F(Startup, OpacityIsTheLowEightBitsOfThePercentage) {
    const int cases[][2] = {{75, 191}, {100, 255}, {50, 127}, {0, 0}, {101, 1}};
    for (const auto& c : cases) {
        fake::ResetAll();
        ResetClockState();
        WriteGoodSettings();
        fake::SetDword(kSettings, "transparency", static_cast<std::uint32_t>(c[0]));
        fake::QueueMessage(kWmClose);
        ClockMain(Instance(), kSwShowDefault);
        EXPECT_EQ(Calls("SetLayeredAlpha"), (vector<vector<long long>>{{Window(), c[1]}})) << c[0];
    }
}

TEST_F(Startup, SettingsErrorEndsStartUpBeforeAnyWindow) {
    fake::DeleteKey(kSettings);
    try {
        ClockMain(Instance(), kSwShowDefault);
        FAIL() << "no error";
    } catch (const ERegistryException& e) {
        EXPECT_STREQ(e.what(), "Failed to get data for 'left'");
    }
    EXPECT_TRUE(fake::KeyExists(kSettings));
    EXPECT_TRUE(Calls("CreateWindowEx").empty());
}

TEST_F(Startup, AlarmsAreLoadedBeforeTheWindowExists) {
    fake::SetNow(2026, 5, 4, 10, 0, 0);
    fake::SetString(kAlarms, "04.05.2026 10:00:02", "soon");
    fake::SetString(kAlarms, "Hourly", "chime");
    fake::QueueMessage(kWmClose);
    ClockMain(Instance(), kSwShowDefault);
    EXPECT_EQ(ClockState.nextAlarmText, "soon");
    EXPECT_EQ(ClockState.hourlyEnabled, 1);
}

}  // namespace
