#pragma once

#include <string>
#include <vector>

// Splits a comma-separated resource value into its items. White space (by the
// locale's single-byte classification; bytes 0x80 and above never count) is
// dropped wherever it stands, also inside an item, and empty items are skipped.
// Any number of items of any length is kept.
std::vector<std::string> split_list_items(const char *value);
