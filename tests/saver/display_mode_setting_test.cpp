#include "saver/display_mode_setting.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace vorrith {
namespace {

// The stored settings as a map; a value can be made unreadable, and writes can fail.
class FakeSettingsStore : public SettingsStore {
public:
    bool ReadNumber(const char* name, uint32_t& value) override {
        const auto found = values.find(name);
        if (unreadable || found == values.end()) return false;
        value = found->second;
        return true;
    }
    bool WriteNumber(const char* name, uint32_t value) override {
        if (!writable) return false;
        values[name] = value;
        return true;
    }
    std::map<std::string, uint32_t> values;
    bool unreadable = false;
    bool writable = true;
};

TEST(ChangeDisplayModeSetting, ReadsZeroAsOffAndAnythingElseAsOn) {
    const struct {
        const char* name;
        bool stored;
        uint32_t value;
        bool unreadable;
        bool change;
    } cases[] = {
        {"missing", false, 0, false, true},         {"unreadable", true, 0, true, true},
        {"stored 0", true, 0, false, false},        {"stored 1", true, 1, false, true},
        {"stored 7 by hand", true, 7, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeSettingsStore store;
        if (c.stored) store.values[kChangeDisplayModeValue] = c.value;
        store.unreadable = c.unreadable;
        EXPECT_EQ(ReadChangeDisplayMode(store), c.change);
    }
}

TEST(ChangeDisplayModeSetting, WritesOneOrZeroUnderItsNameAndReportsAFailedWrite) {
    FakeSettingsStore store;
    EXPECT_TRUE(WriteChangeDisplayMode(store, false));
    EXPECT_EQ(store.values.at("ChangeDisplayMode"), 0u);
    EXPECT_FALSE(ReadChangeDisplayMode(store));
    EXPECT_TRUE(WriteChangeDisplayMode(store, true));
    EXPECT_EQ(store.values.at("ChangeDisplayMode"), 1u);
    store.writable = false;
    EXPECT_FALSE(WriteChangeDisplayMode(store, false));
    EXPECT_TRUE(ReadChangeDisplayMode(store));
}

}  // namespace
}  // namespace vorrith
