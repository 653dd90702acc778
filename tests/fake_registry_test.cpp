// The fake store keeps the order a real Windows registry lists values in
// (the order they were added), which the alarm tie-breaks rely on.
#include <string>
#include <vector>

#include "platform/registry.h"
#include "support/fake_fixture.h"

using namespace tiklet;
using namespace tiklet::testing;
using std::string;
using std::vector;

namespace {

class FakeRegistry : public FakeTest {};

TEST_F(FakeRegistry, ListsValuesInTheOrderTheyWereAdded) {
    for (const char* name : {"b", "Hourly", "a", "10.12.2026 10:00:00", "C"}) fake::SetString(kAlarms, name, "x");
    fake::SetString(kAlarms, "A", "overwritten in place");  // names ignore case
    fake::DeleteValue(kAlarms, "b");
    fake::SetString(kAlarms, "b", "added again, now last");
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(string("\\") + kAlarms, false));
    vector<string> names;
    registry.GetValueNames(names);
    EXPECT_EQ(names, (vector<string>{"Hourly", "a", "10.12.2026 10:00:00", "C", "b"}));
    ValueList values;
    registry.GetValues(values);
    ASSERT_EQ(values.Size(), 5u);
    EXPECT_EQ(values.Name(1), "a");
    EXPECT_EQ(values.Data(1), string("overwritten in place\0", 21));
    EXPECT_EQ(values.Name(4), "b");
    EXPECT_EQ(registry.ReadString("B"), "added again, now last");
}

}  // namespace
