#pragma once

#include <cstddef>

#include "shell/vec3.h"

struct Star;

// A link's target text, split into the components wormholes are resolved by.

constexpr int kMaxLinkComponents = 63;

// Bytes a component buffer needs for the target text: each component gains a
// NUL in place of the slash or end that follows it, and a leading "/" becomes
// the component "/" (two bytes for one).
inline std::size_t link_buffer_size(std::size_t targetLength)
{
    return targetLength + 2;
}

// Splits target into buffer (at least link_buffer_size bytes) and fills
// components with up to kMaxLinkComponents pointers into it, followed by a
// null entry (so components must hold kMaxLinkComponents + 1 entries).
// Returns the number of components. An absolute target's first component is
// "/"; repeated and trailing slashes vanish; "." and ".." stay components.
int split_link_target(const char *target, char *buffer, char **components);

// The owned form stored in a wormhole: an array of the components ending with
// a null entry, whose first entry points to the one buffer that holds them all.
// An empty target gives an array holding only the null entry and no buffer.
// Returns null when memory runs out.
char **make_link_components(const char *target, std::size_t targetLength);

// Frees what make_link_components made.
void free_link_components(char **components);

// The direction in which a wormhole's curve arrives: against dir(a, b) of the
// last component. With no component at all the empty text gives (0, -1, 0).
Vec3 end_tangent(char *const *components);

// The deepest galaxy of the link's own chain that the target passes through,
// read as text: chain[0] is the link's galaxy, chain[top] the root. Walking
// stops at the first component that leaves the chain downwards.
Star *span_galaxy(Star *const *chain, int top, char *const *components);
