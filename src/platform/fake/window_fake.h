// Control of the fake window service, for tests.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/types.h"

namespace tiklet::fake {

struct WindowCall {
    std::string op;
    std::vector<long long> args;
};
std::vector<WindowCall>& WindowCalls();
void SetScreenSize(int width, int height);
void SetDefaultResult(LResult result);
// Runs inside SetWindowPosTop, as the system sends the position messages
// from inside the real call.
void OnSetWindowPos(std::function<void()> hook);
// Messages the fake message loop delivers, in order, after start-up; the
// loop ends at the quit message or when the queue is empty.
struct QueuedMessage {
    MessageId message;
    WParam wParam;
    LParam lParam;
};
void QueueMessage(MessageId message, WParam wParam = 0, LParam lParam = 0);
bool QuitPosted();
int QuitCode();

// The handle the fake CreateClockWindow returns.
WindowHandle FakeWindow();

}  // namespace tiklet::fake
