#pragma once

#include <cstdint>

#include "shell/vec3.h"

struct GalaxyLevel;

enum StarKind : std::int32_t {
    STAR_PLANET = 0,    // a regular file
    STAR_GALAXY = 1,    // a directory (sockets and block devices too)
    STAR_WORMHOLE = 2,  // a symbolic link
};

enum StarRequest : std::int32_t {
    REQUEST_NONE = 0,
    REQUEST_SCAN = 1,
    REQUEST_RELEASE = 2,
};

// One file-system entry. The first fields are common to every kind; the
// kind's own fields follow and share storage, so only the group of the star's
// own kind may ever be read. kind, readable and colorSeed keep their types but
// are stored in a byte each (their values fit: 0..2, 0..1, -128..127), and
// childCount sits beside them, where alignment would leave a hole: a star
// then takes 168 bytes instead of 184. childCount is 0 for every star that is
// not a scanned galaxy.
struct Star {
    char *name;  // in the parent's children block, except the root's ""
    StarKind kind : 8;
    int readable : 8;   // 0 or 1
    int colorSeed : 8;  // first byte of the name as a signed 8-bit value
    int childCount;     // galaxy: records in children
    Vec3 position; // relative to the parent's centre, in units of the parent's size
    double size;   // radius in units of the parent's size
    Star *parent;
    Vec3 viewPosition;  // written by scene placement every frame
    double viewScale;
    GalaxyLevel *level;
    union {
        struct {  // STAR_GALAXY
            char *path;  // ends in "/"; in the parent's children block, except the root's "/"
            StarRequest request;
            int scanned;
            Vec3 axis1;
            Vec3 axis2;
            Star *children;  // owned: childCount contiguous records, then their names and paths
        };
        struct {  // STAR_PLANET
            std::int64_t fileSize;
        };
        struct {  // STAR_WORMHOLE
            char **linkComponents;  // owned, null-terminated; [0] owns the buffer
            Star *spanGalaxy;
            Star *target;
            Vec3 startTangent;
            Vec3 endTangent;
        };
    };
};

static_assert(sizeof(Star) == 168);

// The galaxy of "/": lives for the whole run.
extern Star rootGalaxy;
