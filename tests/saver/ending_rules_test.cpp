#include "saver/ending_rules.h"

#include <gtest/gtest.h>

namespace vorrith {
namespace {

TEST(MouseTravel, FourPixelsStayFiveClose) {
    EXPECT_FALSE(ExceedsMouseTravel({10, 10}, {12, 8}));
    EXPECT_TRUE(ExceedsMouseTravel({10, 10}, {13, 8}));
    EXPECT_TRUE(ExceedsMouseTravel({10, 10}, {5, 10}));
}

TEST(EndingRules, EveryEventButAPowerReportEnds) {
    const struct {
        InputKind kind;
        bool ends;
    } cases[] = {
        {InputKind::kKey, true},          {InputKind::kMouseButton, true},
        {InputKind::kFocusLost, true},    {InputKind::kSuspendOrResume, true},
        {InputKind::kPowerReport, false},
    };
    for (const auto& c : cases) {
        EndingRules rules;
        EXPECT_EQ(rules.EndsSaver({c.kind}), c.ends) << static_cast<int>(c.kind);
    }
}

TEST(EndingRules, AMoveThatEndsBecomesTheOriginOfTheNextTravel) {
    EndingRules rules;
    rules.MeasureTravelFrom({100, 100});
    EXPECT_FALSE(rules.EndsSaver({InputKind::kMouseMoved, {102, 102}}));
    EXPECT_TRUE(rules.EndsSaver({InputKind::kMouseMoved, {103, 102}}));
    EXPECT_FALSE(rules.EndsSaver({InputKind::kMouseMoved, {105, 103}}));
    EXPECT_TRUE(rules.EndsSaver({InputKind::kMouseMoved, {98, 102}}));
}

}  // namespace
}  // namespace vorrith
