#include "hud/message_layout.h"

#include <cstring>

std::vector<MessageLine> layout_message(const char *text, int centerY)
{
    int newlines = 0;
    for (const char *p = text; *p != '\0'; ++p)
        newlines += *p == '\n';
    std::vector<MessageLine> lines;
    int y = centerY - 20 * newlines;
    std::size_t start = 0;
    for (std::size_t i = 0; text[i] != '\0'; ++i) {
        if (text[i] != '\n')
            continue;
        lines.push_back({start, i - start, y});
        y += 40;
        start = i + 1;
    }
    return lines;
}

void fit_message(char *buffer, std::size_t fullLength, bool endedWithNewline)
{
    if (fullLength < kMessageBufferSize)
        return;
    buffer[kMessageBufferSize - 1] = '\0';
    if (endedWithNewline)
        buffer[kMessageBufferSize - 2] = '\n';
}
