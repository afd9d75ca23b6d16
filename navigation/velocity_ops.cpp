#include "navigation/velocity.h"
#include "widget/MainScreenP.h"

void velocity_set(Widget w, double x)
{
    screen_part(w).velocity = x;
}

void velocity_add(Widget w, double x)
{
    MainScreenPart &ms = screen_part(w);
    ms.velocity = velocity_after_add(ms.velocity, x);
}

void velocity_brake(Widget w, double x)
{
    MainScreenPart &ms = screen_part(w);
    ms.velocity = velocity_after_brake(ms.velocity, x);
}

void cursor_move_to(Widget w, double a, double b)
{
    MainScreenPart &ms = screen_part(w);
    ms.cursorDx = cursor_offset_to(a, ms.centerX);
    ms.cursorDy = cursor_offset_to(b, ms.centerY);
}

void cursor_move_by(Widget w, double a, double b)
{
    MainScreenPart &ms = screen_part(w);
    if (a == 0 && b == 0) {
        // Follow the pointer. When it is on another screen the server reports
        // no usable position, and the cursor keeps its previous offset.
        Window root, child;
        int rootX, rootY, x, y;
        unsigned int mask;
        if (XQueryPointer(XtDisplay(w), XtWindow(w), &root, &child, &rootX, &rootY, &x, &y, &mask)) {
            ms.cursorDx = x - ms.centerX;
            ms.cursorDy = y - ms.centerY;
        }
        return;
    }
    ms.cursorDx = cursor_offset_by(a, ms.centerX, ms.cursorDx);
    ms.cursorDy = cursor_offset_by(b, ms.centerY, ms.cursorDy);
}
