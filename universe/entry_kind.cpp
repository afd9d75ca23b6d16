#include "universe/entry_kind.h"

namespace {

constexpr mode_t kLinkBits = 0120000;
constexpr mode_t kDirBit = 0040000;
constexpr mode_t kRegBit = 0100000;
constexpr mode_t kChrBit = 0020000;

int readable_by(mode_t mode, mode_t othersBits, mode_t ownerBits, uid_t owner, uid_t user)
{
    if ((mode & othersBits) == othersBits)
        return 1;
    if ((mode & ownerBits) == ownerBits)
        return owner == user ? 1 : 0;
    return 0;
}

}  // namespace

bool classify_entry(mode_t mode, bool inRoot, StarKind &kind)
{
    if ((mode & kLinkBits) == kLinkBits) {
        kind = STAR_WORMHOLE;
        return true;
    }
    if (mode & kDirBit) {
        kind = STAR_GALAXY;
        return true;
    }
    if ((mode & kRegBit) && !(mode & kChrBit) && !inRoot) {
        kind = STAR_PLANET;
        return true;
    }
    return false;
}

int planet_readable(mode_t mode, uid_t owner, uid_t user)
{
    return readable_by(mode, 0004, 0400, owner, user);
}

int galaxy_readable(mode_t mode, uid_t owner, uid_t user)
{
    return readable_by(mode, 0005, 0500, owner, user);
}
