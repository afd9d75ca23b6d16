#include "hud/message.h"

#include <cstdarg>
#include <cstdio>
#include <string>

#include "hud/message_layout.h"
#include "widget/MainScreenP.h"
#include "widget/fonts.h"
#include "widget/template_text.h"

Boolean messageShown = False;

namespace {

char messageBuffer[kMessageBufferSize];

// Drawn on the window itself, not the pixmap: it shows at once and stays
// until the next frame's copy covers it.
void present(Widget w, const std::string &text)
{
    const MainScreenPart &ms = screen_part(w);
    // Before the first frame, and between a resize and the next frame, there
    // is no alert GC to draw with: the message is dropped.
    if (ms.pixmap == None)
        return;
    std::snprintf(messageBuffer, sizeof messageBuffer, "%s", text.c_str());
    fit_message(messageBuffer, text.size(), !text.empty() && text.back() == '\n');

    Display *dpy = XtDisplay(w);
    XFontStruct *font = font_or_default(dpy, ms.alertFont);
    for (const MessageLine &line : layout_message(messageBuffer, ms.centerY)) {
        const char *start = messageBuffer + line.offset;
        const int len = static_cast<int>(line.length);
        const int width = XTextWidth(font, start, len);
        XDrawString(dpy, XtWindow(w), ms.alertGC, ms.centerX - width / 2, line.baseline, start, len);
    }
    XFlush(dpy);
    messageShown = True;
}

}  // namespace

void show_message(Widget w, const char *format, ...)
{
    if (messageShown)
        return;
    va_list args, again;
    va_start(args, format);
    va_copy(again, args);
    const int length = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::string text(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
    if (length > 0)
        std::vsnprintf(text.data(), text.size() + 1, format, again);
    va_end(again);
    present(w, text);
}

void show_message_text(Widget w, const char *text)
{
    if (!messageShown)
        present(w, expand_template(text, nullptr));
}

void show_scan_notice(struct _WidgetRec *w, const char *path)
{
    show_message(w, "Scanning...\n%s\n", path);
}
