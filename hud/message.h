#pragma once

#include <X11/Intrinsic.h>

// A message has been drawn since the heads-up display was last drawn; while
// set, further messages are dropped.
extern Boolean messageShown;

// Draws a centred message of newline-ended lines straight onto the window.
// The format is the program's own; its arguments are expanded as by printf.
void show_message(Widget w, const char *format, ...) __attribute__((format(printf, 2, 3)));
// The same for a text from the user (the alert action): "%%" is a percent
// sign and every other percent sequence stands literally.
void show_message_text(Widget w, const char *text);
// The notice that a directory scan shows; registered with the universe.
void show_scan_notice(struct _WidgetRec *w, const char *path);
