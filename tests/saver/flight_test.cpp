// The flyers over many thousand composed frames: the biplane relay, the
// background plane and the aircraft, and the engine sound they start.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "saver_rig.h"

namespace aerolark::testing {
namespace {

// Kept apart from the program's own table on purpose: exits, re-entries and
// relay marks as the choreography fixes them.
struct Route {
  int direction, exitX, reentryX, fixedY, relayMark;
};
constexpr Route kRoutes[15] = {
    {+1, 801, -280, 180, 700}, {-1, -281, 805, -1, 100}, {+1, 801, -281, -1, 700},
    {-1, -284, 801, -1, 100},  {+1, 801, -281, -1, 700}, {-1, -281, 805, -1, 100},
    {+1, 801, -281, -1, 700},  {-1, -281, 801, -1, 100}, {+1, 801, -281, -1, 700},
    {-1, -281, 805, -1, 100},  {+1, 805, -281, -1, 700}, {-1, -281, 805, -1, 100},
    {+1, 801, -281, -1, 700},  {-1, -281, 805, -1, 100}, {+1, 801, -281, -1, 700}};

bool Past(int direction, int x, int mark) { return direction > 0 ? x > mark : x < mark; }

// Sprites with both hints shown and no background picture or logo:
// aircraft 1, background plane 2, biplane n at n + 2 (BackGround 1).
constexpr SpriteId kAircraft = 1;
constexpr SpriteId kBgPlane = 2;
SpriteId Biplane(int index) { return index + 3; }

// Several speeds, so that the read-back X lands on every value near a limit.
class RelayAtSpeed : public ::testing::TestWithParam<int> {};
INSTANTIATE_TEST_SUITE_P(Speeds, RelayAtSpeed, ::testing::Values(1, 2, 3, 4, 7));

TEST_P(RelayAtSpeed, EachBiplaneLaunchesTheNextAndReentersWhereItShould) {
  SaverRig rig;
  rig.Bare().Set(Key::Speed, Num(GetParam()));
  const int frames = 90000 / GetParam();
  Form1& form = rig.Load();
  const BiplaneRelay& relay = form.scene().relay;

  std::vector<int> launchOrder;
  std::vector<int> exits(15, 0);
  std::vector<int> altitudeAtLaunch(15, -1);
  std::vector<bool> wasActive(15, false);
  wasActive[0] = true;
  for (int frame = 0; frame < frames; ++frame) {
    std::vector<std::int32_t> xBefore(15);
    for (int i = 0; i < 15; ++i) xBefore[i] = relay.Plane(i).x;
    form.DrawFrame();
    for (int i = 0; i < 15; ++i) {
      const BiplaneState& plane = relay.Plane(i);
      const Route& route = kRoutes[i];
      if (plane.active && !wasActive[i]) {
        launchOrder.push_back(i + 1);
        altitudeAtLaunch[i] = plane.altitude;
        // Launched by its predecessor, whose last read-back X is past its mark.
        int previous = (i + 14) % 15;
        EXPECT_TRUE(Past(kRoutes[previous].direction, relay.Plane(previous).x,
                         kRoutes[previous].relayMark))
            << "biplane " << i + 1 << " at frame " << frame;
      }
      if (!plane.active && wasActive[i]) {
        ++exits[i];
        const SpritePlace& place = rig.drawingStub.Place(Biplane(i));
        EXPECT_TRUE(Past(route.direction, plane.x, route.exitX)) << i + 1;
        EXPECT_FALSE(Past(route.direction, xBefore[i], route.exitX)) << i + 1;
        EXPECT_EQ(place.x, route.reentryX) << "biplane " << i + 1;
        int expectedY = route.fixedY >= 0 ? route.fixedY : altitudeAtLaunch[i];
        EXPECT_EQ(place.y, expectedY) << "biplane " << i + 1 << " exit " << exits[i];
        EXPECT_GE(place.y, 0);
        EXPECT_LT(place.y, 500);
      }
      wasActive[i] = plane.active;
    }
  }
  // The relay goes round: 2, 3, ..., 15, then 1 again, and so on.
  ASSERT_GE(launchOrder.size(), 40u);
  for (std::size_t k = 0; k < launchOrder.size(); ++k) {
    EXPECT_EQ(launchOrder[k], static_cast<int>((k + 1) % 15) + 1) << k;
  }
  for (int i = 0; i < 15; ++i) EXPECT_GE(exits[i], 2) << "biplane " << i + 1;
}

TEST(Relay, DrawnAltitudesAreTheSameOnEveryRun) {
  auto altitudes = [] {
    SaverRig rig;
    rig.Bare();
    Form1& form = rig.Load();
    rig.Frames(6000);
    std::vector<int> seen;
    for (int i = 0; i < 15; ++i) seen.push_back(form.scene().relay.Plane(i).altitude);
    return seen;
  };
  std::vector<int> first = altitudes();
  EXPECT_EQ(first, altitudes());
  EXPECT_GT(std::set<int>(first.begin() + 1, first.end()).size(), 5u);
}

TEST(Relay, SpeedZeroKeepsBiplaneOneDriftingInPlace) {
  SaverRig rig;
  rig.Bare().Set(Key::Speed, "0").Set(Key::Prop, "0").Set(Key::PlaneBG, "0");
  Form1& form = rig.Load();
  rig.Frames(5000);
  EXPECT_EQ(rig.drawingStub.Place(Biplane(0)).x, -281);
  EXPECT_EQ(rig.drawingStub.Place(Biplane(0)).y, 180 + (5000 + 10) / 11);  // a drift step opens every 11
  for (int i = 1; i < 15; ++i) EXPECT_FALSE(form.scene().relay.Plane(i).active);
  // Switched off: neither crossing flyer is drawn.
  EXPECT_EQ(rig.log.Count(Join({"C", "DrawSprite", Num(kAircraft)})), 0u);
  EXPECT_EQ(rig.log.Count(Join({"C", "DrawSprite", Num(kBgPlane)})), 0u);
}

struct Crossing {
  int parks = 0, relaunches = 0;
  int parkedAtTick = 0;
};

TEST(Crossers, ParkWaitTheirSecondsAndReenterAtTheSharedAltitude) {
  SaverRig rig;
  rig.Bare().Set(Key::BGFreq, "36").Set(Key::SecDelay, "30");
  Form1& form = rig.Load();
  const CrossingFlyers& crossers = form.scene().crossers;
  Crossing bg, jet;
  int tick = 0;
  bool anyRelaunched = false;
  // `sharedSeen` is the shared altitude when this flyer's step ran: the
  // background plane steps first, so only the aircraft can see a value the
  // other drew in the same frame.
  auto follow = [&](const CrossingFlyer& flyer, CrossingState before, Crossing& seen,
                    SpriteId sprite, int interval, int sharedBefore, int sharedSeen) {
    if (before == CrossingState::Parked && flyer.state == CrossingState::Parked) {
      EXPECT_EQ(rig.drawingStub.Place(sprite).x, 805);
      EXPECT_EQ(rig.drawingStub.Place(sprite).y, sharedSeen) << "a parked flyer follows the altitude";
    }
    if (before == CrossingState::Flying && flyer.state == CrossingState::Parked) {
      ++seen.parks;
      seen.parkedAtTick = tick;
      EXPECT_EQ(rig.drawingStub.Place(sprite).x, 805);
      EXPECT_EQ(rig.drawingStub.Place(sprite).y, anyRelaunched ? sharedBefore : 0);
    }
    if (before == CrossingState::Parked && flyer.state == CrossingState::Flying) {
      ++seen.relaunches;
      EXPECT_EQ(tick - seen.parkedAtTick, interval) << "sprite " << sprite;
    }
  };
  for (int frame = 1; frame <= 60000; ++frame) {
    if (frame % 10 == 0) {
      ++tick;
      rig.Seconds(1);
    }
    CrossingState bgBefore = crossers.backgroundPlane().state;
    CrossingState jetBefore = crossers.aircraft().state;
    bool jetCruise = crossers.aircraft().phase.cruise;
    int shared = crossers.sharedAltitude();
    std::size_t mark = rig.Mark();
    form.DrawFrame();
    const bool bgRelaunched =
        bgBefore == CrossingState::Parked &&
        crossers.backgroundPlane().state == CrossingState::Flying;
    follow(crossers.backgroundPlane(), bgBefore, bg, kBgPlane, 36, shared, shared);
    follow(crossers.aircraft(), jetBefore, jet, kAircraft, 30,
           bgRelaunched ? crossers.sharedAltitude() : shared, crossers.sharedAltitude());
    if (jetBefore == CrossingState::Flying) {
      int x = crossers.aircraft().x;
      bool parked = crossers.aircraft().state == CrossingState::Parked;
      EXPECT_EQ(parked, x < (jetCruise ? -300 : -350)) << "frame " << frame;
    }
    // The sound starts on the first cruise step of a pass, and only then.
    std::size_t plays = 0;
    for (const std::string& line : rig.log.From(mark)) plays += line.rfind("C\tPlaySound", 0) == 0;
    EXPECT_LE(plays, 1u);
    anyRelaunched |= bg.relaunches + jet.relaunches > 0;
  }
  EXPECT_GE(bg.relaunches, 10);
  EXPECT_GE(jet.relaunches, 10);
  // One start per pass: the first pass and each relaunched one.
  EXPECT_EQ(rig.log.Count(Join({"C", "PlaySound", "1", "-1", "-1"})),
            static_cast<std::size_t>(jet.relaunches + 1));
  EXPECT_EQ(rig.log.Count(Join({"C", "SetSoundVolume", "1", "-784"})),
            rig.log.Count("C\tPlaySound"));
}

TEST(Crossers, StoppedSoundIsNeverStartedButTheAircraftFlies) {
  SaverRig rig;
  rig.Bare().Set(Key::SoundOff, "7").Set(Key::SecDelay, "1");
  rig.Load();
  rig.Seconds(1);
  for (int second = 0; second < 300; ++second) {
    rig.Frames(20);
    rig.Seconds(1);
  }
  EXPECT_EQ(rig.log.Count("C\tPlaySound"), 0u);
  EXPECT_EQ(rig.log.Count("C\tSetSoundVolume"), 0u);
  EXPECT_GT(rig.log.Count(Join({"C", "MoveSpriteX", Num(kAircraft), "-7"})), 1000u);
}

TEST(Crossers, PropOffOrNotANumberHidesTheAircraftAndKeepsItSilent) {
  for (const std::string prop : {"0", "on", ""}) {
    SaverRig rig;
    rig.Bare().Set(Key::Prop, prop);
    rig.Load();
    rig.Frames(3000);
    EXPECT_EQ(rig.log.Count(Join({"C", "DrawSprite", Num(kAircraft)})), 0u) << prop;
    EXPECT_EQ(rig.log.Count("C\tPlaySound"), 0u) << prop;
    EXPECT_EQ(rig.log.Count("C\tStopSound\t1"), 1u) << prop;  // loaded and stopped all the same
  }
}

}  // namespace
}  // namespace aerolark::testing
