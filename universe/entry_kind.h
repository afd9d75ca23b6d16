#pragma once

#include <sys/types.h>

#include "universe/star.h"

// What a directory entry becomes, from its file-status mode alone. Single bits
// are tested, not the whole type field: sockets and block devices carry the
// directory bit and become galaxies (which never open); character devices and
// FIFOs are skipped; the root galaxy shows no plain files.
// Returns false when the entry is not shown.
bool classify_entry(mode_t mode, bool inRoot, StarKind &kind);

// Whether the user may read a file: others' bit first, then the owner's bit
// for the owner. Group bits never count and the superuser gets no exception.
int planet_readable(mode_t mode, uid_t owner, uid_t user);

// Whether the user may list a directory: read and search together, for others
// first, then for the owner. Group bits never count, nor does being root.
int galaxy_readable(mode_t mode, uid_t owner, uid_t user);
