#include <gtest/gtest.h>

#include "universe/entry_kind.h"

namespace {

TEST(EntryKind, SingleModeBitsDecide)
{
    struct Case {
        mode_t mode;
        bool inRoot;
        bool shown;
        StarKind kind;
    };
    const Case cases[] = {
        {0120777, false, true, STAR_WORMHOLE},
        {0120777, true, true, STAR_WORMHOLE},
        {0040755, false, true, STAR_GALAXY},
        {0040755, true, true, STAR_GALAXY},
        {0140755, false, true, STAR_GALAXY},  // socket
        {0060660, false, true, STAR_GALAXY},  // block device
        {0100644, false, true, STAR_PLANET},
        {0100644, true, false, STAR_PLANET},  // the root shows no plain files
        {0020666, false, false, STAR_PLANET}, // character device
        {0010644, false, false, STAR_PLANET}, // FIFO
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << std::oct << c.mode << (c.inRoot ? " in root" : ""));
        StarKind kind = static_cast<StarKind>(-1);
        EXPECT_EQ(classify_entry(c.mode, c.inRoot, kind), c.shown);
        if (c.shown) {
            EXPECT_EQ(kind, c.kind);
        }
    }
}

TEST(EntryKind, ReadableByOthersThenOwnerNeverGroup)
{
    constexpr uid_t me = 1000, other = 12345, root = 0;
    struct Case {
        mode_t mode;
        uid_t owner, user;
        int planet, galaxy;
    };
    const Case cases[] = {
        {0004, other, me, 1, 0},    // a directory needs search too
        {0005, other, me, 1, 1},
        {0001, other, me, 0, 0},
        {0400, me, me, 1, 0},
        {0500, me, me, 1, 1},
        {0500, other, me, 0, 0},
        {0700, other, me, 0, 0},
        {0040, me, me, 0, 0},       // group bits never count
        {0050, me, me, 0, 0},
        {0077, me, me, 1, 1},
        {0000, root, root, 0, 0},   // nor does being root
        {0500, other, root, 0, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << std::oct << c.mode << std::dec << " owner " << c.owner
                                        << " user " << c.user);
        EXPECT_EQ(planet_readable(c.mode, c.owner, c.user), c.planet);
        EXPECT_EQ(galaxy_readable(c.mode, c.owner, c.user), c.galaxy);
    }
}

}  // namespace
