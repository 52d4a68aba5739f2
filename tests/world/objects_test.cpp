#include "world/objects.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/level_files.h"
#include "support/scratch_folder.h"
#include "world/play_model.h"

namespace trelux {
namespace {

using ::testing::ElementsAre;

std::vector<int> written(const GridObject& object) {
  std::ostringstream out;
  object.write(out);
  std::vector<int> bytes;
  for (unsigned char c : out.str()) bytes.push_back(c);
  return bytes;
}

// "kind variant colour tile" of an object; the variant is the orientation,
// direction or facing side, "-" for kinds without one.
std::string describe(const GridObject& object) {
  std::ostringstream out;
  if (const auto* lens = dynamic_cast<const Lens*>(&object)) {
    out << "lens - " << int(lens->colour());
  } else if (const auto* mirror = dynamic_cast<const Mirror*>(&object)) {
    out << "mirror " << mirror->orientation() << " " << int(mirror->colour());
  } else if (const auto* laser = dynamic_cast<const Laser*>(&object)) {
    out << "laser " << laser->direction() << " " << int(laser->colour());
  } else if (const auto* sensor = dynamic_cast<const Sensor*>(&object)) {
    out << "sensor " << sensor->facing() << " " << int(sensor->colour());
  } else if (const auto* tmirror = dynamic_cast<const TMirror*>(&object)) {
    out << "tmirror " << tmirror->orientation() << " -";
  } else if (dynamic_cast<const Floor*>(&object)) {
    out << "floor - -";
  } else if (dynamic_cast<const Wall*>(&object)) {
    out << "wall - -";
  }
  out << " " << object.tileIndex();
  return out.str();
}

TEST(ObjectAttributes, StoredBytesDecodeToTheirObjectAndWriteBackReduced) {
  const struct {
    uint8_t kind;
    uint8_t attribute;
    const char* object;
    std::vector<int> written;
  } cases[] = {
      {3, 0x09, "mirror 1 1 25", {3, 0x09}},
      {4, 0x0C, "laser 1 4 33", {4, 0x0C}},
      // A lens keeps only its colour bits.
      {2, 0x0C, "lens - 4 12", {2, 0x04}},
      {2, 0xF9, "lens - 1 9", {2, 0x01}},
      // Bits above bit 4 are dropped.
      {4, 0x29, "laser 1 1 33", {4, 0x09}},
      {4, 0xFF, "laser 3 7 35", {4, 0x1F}},
      {5, 0x13, "sensor 2 3 59", {5, 0x13}},
      {5, 0xE5, "sensor 0 5 45", {5, 0x05}},
      // Mirror orientations 2 and 3 reflect like 1 and are kept as 1.
      {3, 0x12, "mirror 1 2 26", {3, 0x0A}},
      {3, 0x1F, "mirror 1 7 31", {3, 0x0F}},
      {3, 0x00, "mirror 0 0 16", {3, 0x00}},
      // A T-mirror's whole byte is its orientation, taken modulo 4.
      {6, 0x02, "tmirror 2 - 38", {6, 0x02}},
      {6, 0x07, "tmirror 3 - 39", {6, 0x03}},
      {6, 0x08, "tmirror 0 - 36", {6, 0x00}},
      {0, 0x55, "floor - - 2", {0}},
      {1, 0x55, "wall - - 1", {1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "kind " << int(c.kind) << " byte " << int(c.attribute));
    auto object = decodeObject(c.kind, c.attribute);
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(describe(*object), c.object);
    EXPECT_EQ(written(*object), c.written);
  }
}

TEST(ObjectAttributes, ValuesAreReducedAsWhenRead) {
  EXPECT_EQ(describe(Mirror(kBlue, 3)), "mirror 1 4 28");
  EXPECT_EQ(describe(Mirror(kBlue, -1)), "mirror 1 4 28");
  EXPECT_EQ(describe(*makeObject(ObjectKind::TMirror, kBlack, 5)), "tmirror 1 - 37");
  EXPECT_EQ(describe(*makeObject(ObjectKind::Laser, kRed + 8, kWest + 4)), "laser 3 1 35");
}

TEST(ObjectAttributes, KindsAboveSixBuildNothing) {
  EXPECT_EQ(decodeObject(7, 0), nullptr);
  EXPECT_EQ(decodeObject(0xFF, 0x01), nullptr);
  EXPECT_EQ(makeObject(static_cast<ObjectKind>(7), kRed, 0), nullptr);
}

TEST(ObjectAttributes, EveryByteAnEditorWritesIsReadBackUnchanged) {
  const struct {
    uint8_t kind;
    int canonicalBytes;
  } kinds[] = {{2, 8}, {3, 16}, {4, 32}, {5, 32}, {6, 4}};
  for (const auto& k : kinds) {
    for (int b = 0; b < k.canonicalBytes; ++b) {
      SCOPED_TRACE(testing::Message() << "kind " << int(k.kind) << " byte " << b);
      auto object = decodeObject(k.kind, static_cast<uint8_t>(b));
      ASSERT_NE(object, nullptr);
      EXPECT_THAT(written(*object), ElementsAre(k.kind, b));
    }
  }
}

// Every lens, mirror, sensor and T-mirror draws with a tile of its own; the
// tiles fill 8 to 71 except the four laser tiles, which show only direction.
TEST(ObjectTiles, EachVariantHasItsOwnTile) {
  std::set<int32_t> tiles;
  int made = 0;
  auto add = [&](const GridObject& o) {
    tiles.insert(o.tileIndex());
    ++made;
  };
  for (Colour c = 0; c < 8; ++c) {
    add(Lens(c));
    add(Mirror(c, 0));
    add(Mirror(c, 1));
    for (Direction side : kDirections) add(Sensor(c, side));
  }
  for (Direction stem : kDirections) add(TMirror(stem));
  EXPECT_EQ(static_cast<int>(tiles.size()), made);
  EXPECT_EQ(*tiles.begin(), 8);
  EXPECT_EQ(*tiles.rbegin(), 71);
  EXPECT_EQ(tiles.count(32) + tiles.count(33) + tiles.count(34) + tiles.count(35), 0u);

  for (Colour c = 0; c < 8; ++c) {
    EXPECT_EQ(Laser(c, kNorth).tileIndex(), 32);
    EXPECT_EQ(Laser(c, kWest).tileIndex(), 35);
  }
  EXPECT_EQ(Sensor(kWhite, kWest).tileIndex(), 71);
  EXPECT_EQ(Sensor(kBlack, kNorth).tileIndex(), 40);
  EXPECT_EQ(TMirror(kEast).tileIndex(), 37);
}

TEST(ObjectMovability, OnlyFloorIsOpenAndOnlyLensesAndMirrorsMove) {
  EXPECT_EQ(Floor().movability(), Movability::Open);
  EXPECT_EQ(Wall().movability(), Movability::Solid);
  EXPECT_EQ(Laser(kRed, kEast).movability(), Movability::Solid);
  EXPECT_EQ(Sensor(kRed, kEast).movability(), Movability::Solid);
  EXPECT_EQ(Lens(kRed).movability(), Movability::Pushable);
  EXPECT_EQ(Mirror(kRed, 1).movability(), Movability::Pushable);
  EXPECT_EQ(TMirror(kNorth).movability(), Movability::Pushable);

  EXPECT_EQ(static_cast<int>(Movability::Open), 0);
  EXPECT_EQ(static_cast<int>(Movability::Pushable), 2);
  EXPECT_EQ(static_cast<int>(Movability::Solid), 3);
  EXPECT_FALSE(isOccupying(Movability::Open));
  EXPECT_TRUE(isOccupying(Movability::Pushable));
  EXPECT_TRUE(isOccupying(Movability::Solid));
  EXPECT_FALSE(isPushable(Movability::Open));
  EXPECT_TRUE(isPushable(Movability::Pushable));
  EXPECT_FALSE(isPushable(Movability::Solid));
}

TEST(ObjectLight, NewObjectsCarryNoLightAndMarksAddUp) {
  Floor floor;
  for (Direction side : kDirections) EXPECT_EQ(floor.light(side), kBlack);
  floor.addLight(kEast, kRed);
  floor.addLight(kEast, kBlue);
  floor.addLight(kEast, kRed);
  EXPECT_EQ(floor.light(kEast), kMagenta);
  EXPECT_EQ(floor.light(kWest), kBlack);
  floor.resetLight();
  EXPECT_EQ(floor.light(kEast), kBlack);
}

// The counters are shared by the whole program; no sensor outlives a test.
TEST(SensorCounters, FollowSensorsAsTheyAreMadeLitAndDestroyed) {
  ASSERT_EQ(sensorCount(), 0);
  ASSERT_EQ(litSensorCount(), 0);
  {
    Sensor a(kYellow, kSouth);
    EXPECT_EQ(sensorCount(), 1);
    EXPECT_EQ(litSensorCount(), 0);
    EXPECT_FALSE(a.isLit());
    EXPECT_FALSE(a.isGoalMet());
    EXPECT_EQ(a.tileIndex(), 59);

    a.receiveLight(Beam{kYellow, kSouth, 3, 3});
    EXPECT_TRUE(a.isLit());
    EXPECT_EQ(a.tileIndex(), 91);
    EXPECT_EQ(litSensorCount(), 1);
    EXPECT_TRUE(a.isGoalMet());
    // Lit again by the same colour: counted once.
    a.receiveLight(Beam{kYellow, kSouth, 3, 3});
    EXPECT_EQ(litSensorCount(), 1);

    auto b = std::make_unique<Sensor>(kRed, kNorth);
    EXPECT_EQ(sensorCount(), 2);
    EXPECT_TRUE(a.isGoalMet()) << "a sensor's goal is its own; completion counts a grid";
    EXPECT_FALSE(b->isGoalMet());
    b->receiveLight(Beam{kRed, kNorth, 0, 0});
    EXPECT_EQ(litSensorCount(), 2);
    EXPECT_TRUE(a.isGoalMet());
    EXPECT_TRUE(b->isGoalMet());

    // A lit sensor goes dark before it leaves the count.
    b.reset();
    EXPECT_EQ(sensorCount(), 1);
    EXPECT_EQ(litSensorCount(), 1);
    EXPECT_TRUE(a.isGoalMet());

    a.resetLight();
    EXPECT_FALSE(a.isLit());
    EXPECT_FALSE(a.isGoalMet());
    EXPECT_EQ(a.tileIndex(), 59);
    EXPECT_EQ(a.light(kSouth), kBlack);
    EXPECT_EQ(litSensorCount(), 0);
    EXPECT_EQ(sensorCount(), 1);
  }
  EXPECT_EQ(sensorCount(), 0);
  EXPECT_EQ(litSensorCount(), 0);
}

TEST(SensorCounters, DescribeTheLevelJustRead) {
  test::ScratchFolder folder;
  test::writeSetFile("levels.dat", {R"(
# # # # # # #
# >r . . . Swr #
# >b . . . Swb #
# @ . . . Swg #
# # # # # # #
)",
                                    R"(
# # # # #
# >g . Swg #
# @ . . #
# # # # #
)"});
  ASSERT_EQ(sensorCount(), 0);
  PlayModel model;
  ASSERT_TRUE(model.loadSet("levels.dat"));
  ASSERT_TRUE(model.goToLevel(0));
  EXPECT_EQ(sensorCount(), 3);
  EXPECT_EQ(litSensorCount(), 2);
  EXPECT_FALSE(model.isLevelComplete());

  // The next level's sensors replace this level's.
  ASSERT_TRUE(model.goToLevel(1));
  EXPECT_EQ(sensorCount(), 1);
  EXPECT_EQ(litSensorCount(), 1);
  EXPECT_TRUE(model.isLevelComplete());

  model.grid().close();
  EXPECT_EQ(sensorCount(), 0);
  EXPECT_EQ(litSensorCount(), 0);
}

}  // namespace
}  // namespace trelux
