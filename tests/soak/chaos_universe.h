#pragma once

// A file tree built to upset a scanner: odd names, huge and deep directories,
// every kind of link trouble, special files, directories of another user and
// paths longer than the system accepts.

#include <string>

namespace soak {

// Fills the existing directory root (absolute path). Needs root for the
// device nodes and the other user's directories.
void build_chaos_universe(const std::string &root);

// Removes a tree through directory descriptors, so paths of any length go.
void remove_tree(const std::string &path);

}  // namespace soak
