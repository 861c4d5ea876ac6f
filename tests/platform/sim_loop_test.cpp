#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/sim/sim_platform.h"
#include "tests/support/sim_test.h"

namespace pv {
namespace {

// Each tick or call writes "<name>@<virtual ms>" so that a test sees order and time at once.
class SimLoop : public testing::SimTest {
protected:
    IEventLoop& loop() { return sim.Loop(); }
    std::function<void()> Record(const std::string& name) {
        return [this, name] { log.push_back(name + "@" + std::to_string(sim.Clock().TickCount())); };
    }
    std::vector<std::string> log;
};

using Log = std::vector<std::string>;

TEST_F(SimLoop, AdvanceFiresDueTimersInTimeOrderAndRepeatsThem) {
    loop().SetTimer(250, Record("slow"));
    loop().SetTimer(100, Record("fast"));
    sim.Advance(99);
    EXPECT_TRUE(log.empty());
    sim.Advance(1);
    EXPECT_EQ(log, (Log{"fast@100"}));
    sim.Advance(400);
    // At 500 both are due; the one set first goes first.
    EXPECT_EQ(log, (Log{"fast@100", "fast@200", "slow@250", "fast@300", "fast@400", "slow@500", "fast@500"}));
    EXPECT_EQ(sim.Clock().TickCount(), 500u);
}

TEST_F(SimLoop, OneLongAdvanceFiresAsOftenAsManyShortOnes) {
    int ticks = 0;
    loop().SetTimer(30, [&] { ++ticks; });
    sim.Advance(1000);
    sim::SimPlatform other;
    int otherTicks = 0;
    other.Loop().SetTimer(30, [&] { ++otherTicks; });
    for (int i = 0; i < 1000; ++i) other.Advance(1);
    EXPECT_EQ(ticks, 33);
    EXPECT_EQ(otherTicks, 33);
}

TEST_F(SimLoop, VirtualTimeMovesTheClock) {
    const TDateTime start = sim.Clock().Now();
    EXPECT_EQ(FormatIsoDateTime(start), "2026-12-10 10:00:00");
    sim.Advance(90 * 60 * 1000 + 1500);
    EXPECT_EQ(FormatIsoDateTime(sim.Clock().Now()), "2026-12-10 11:30:01");
    EXPECT_EQ(sim.Clock().TickCount(), 90u * 60 * 1000 + 1500);
}

TEST_F(SimLoop, ATickThatKillsItsOwnTimerFiresOnce) {
    uint64_t id = 0;
    int ticks = 0;
    std::string capturedByValue(64, 'x');  // large enough to live on the heap inside the function
    id = loop().SetTimer(10, [this, &id, &ticks, capturedByValue] {
        loop().KillTimer(id);
        ++ticks;
        EXPECT_EQ(capturedByValue.size(), 64u);  // the tick's captures still live after KillTimer
    });
    sim.Advance(100);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(sim.SimLoop().ActiveTimers(), 0u);
}

TEST_F(SimLoop, KilledOrNewTimersTakeEffectWithinTheSameAdvance) {
    uint64_t victim = 0;
    bool first = true;
    loop().SetTimer(100, [&] {
        Record("killer")();
        if (!first) return;
        first = false;
        loop().KillTimer(victim);
        loop().SetTimer(50, Record("born"));
    });
    victim = loop().SetTimer(100, Record("victim"));  // due at the same time, set later
    sim.Advance(250);
    EXPECT_EQ(log, (Log{"killer@100", "born@150", "killer@200", "born@200", "born@250"}));
    loop().KillTimer(12345);  // unknown ids are ignored
}

TEST_F(SimLoop, AZeroIntervalStillMovesTime) {
    loop().SetTimer(0, Record("t"));
    sim.Advance(3);
    EXPECT_EQ(log, (Log{"t@1", "t@2", "t@3"}));
}

TEST_F(SimLoop, PostedCallsRunInOrderOnlyWhenTheLoopRuns) {
    loop().Post([&] {
        Record("a")();
        loop().Post(Record("c"));  // queued behind b
    });
    loop().Post(Record("b"));
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(loop().WaitForWork());
    EXPECT_TRUE(loop().ProcessOne());
    EXPECT_EQ(log, (Log{"a@0"}));
    EXPECT_EQ(sim.SimLoop().Pending(), 2u);
    EXPECT_TRUE(loop().ProcessOne());
    EXPECT_TRUE(loop().ProcessOne());
    EXPECT_FALSE(loop().ProcessOne());
    EXPECT_FALSE(loop().WaitForWork());
    EXPECT_EQ(log, (Log{"a@0", "b@0", "c@0"}));
}

TEST_F(SimLoop, AdvanceRunsCallsPostedByATickBeforeTheNextTimer) {
    loop().Post(Record("before"));
    loop().SetTimer(10, [&] {
        Record("tick")();
        loop().Post(Record("posted"));
    });
    loop().SetTimer(15, Record("later"));
    sim.Advance(0);
    EXPECT_EQ(log, (Log{"before@0"}));
    sim.Advance(15);
    EXPECT_EQ(log, (Log{"before@0", "tick@10", "posted@10", "later@15"}));
}

}  // namespace
}  // namespace pv
