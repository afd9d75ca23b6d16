#pragma once

#include <cstddef>
#include <vector>

constexpr std::size_t kMessageBufferSize = 1024;

struct MessageLine {
    std::size_t offset;  // into the text
    std::size_t length;  // without the newline
    int baseline;
};

// Lines that end with a newline, baselines 40 pixels apart, the block centred
// on centerY; text after the last newline is not drawn.
std::vector<MessageLine> layout_message(const char *text, int centerY);

// Cuts a formatted text to the message buffer. A text that was cut keeps a
// final newline when it had one, so its last line is still shown.
void fit_message(char *buffer, std::size_t fullLength, bool endedWithNewline);
