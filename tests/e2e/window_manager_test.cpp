// The program among window managers and desktop tools: the close button and
// the process id on the window.

#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <algorithm>

#include "tests/e2e/harness.h"

namespace {

using namespace e2e;

Atom atom(Display *dpy, const char *name)
{
    return XInternAtom(dpy, name, False);
}

// What a window manager sends when the user closes a window (or another
// protocol message, by its atom).
void send_protocol(Display *dpy, Window w, const char *protocol)
{
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = w;
    ev.xclient.message_type = atom(dpy, "WM_PROTOCOLS");
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = static_cast<long>(atom(dpy, protocol));
    ev.xclient.data.l[1] = CurrentTime;
    XSendEvent(dpy, w, False, NoEventMask, &ev);
    XSync(dpy, False);
}

// The program running on a server of its own, its top-level window mapped.
class WindowManager : public testing::Test {
protected:
    void SetUp() override
    {
        top = p.wait_for_window();
        ASSERT_NE(top, 0u) << p.err();
        dpy = server.display();
    }

    XServer server;
    Program p{server, {}};
    Window top = 0;
    Display *dpy = nullptr;
};

TEST_F(WindowManager, ShellAdvertisesDeleteAndItsProcess)
{
    // The properties follow the map request: wait for them.
    Atom *protocols = nullptr;
    int n = 0;
    ASSERT_TRUE(wait_until([&] { return XGetWMProtocols(dpy, top, &protocols, &n) != 0; }, 10));
    const std::vector<Atom> advertised(protocols, protocols + n);
    XFree(protocols);
    EXPECT_EQ(advertised, std::vector<Atom>{atom(dpy, "WM_DELETE_WINDOW")});

    ASSERT_TRUE(wait_until(
        [&] {
            int count = 0;
            Atom *props = XListProperties(dpy, top, &count);
            const Atom pid = atom(dpy, "_NET_WM_PID");
            const bool has = props != nullptr && std::find(props, props + count, pid) != props + count;
            XFree(props);
            return has;
        },
        10));
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    ASSERT_EQ(XGetWindowProperty(dpy, top, atom(dpy, "_NET_WM_PID"), 0, 1, False, XA_CARDINAL, &type, &format,
                                 &count, &after, &data),
              Success);
    ASSERT_EQ(count, 1u);
    EXPECT_EQ(format, 32);
    EXPECT_EQ(*reinterpret_cast<long *>(data), static_cast<long>(p.pid()));
    XFree(data);
}

TEST_F(WindowManager, DeleteRequestEndsTheProgramWithStatusZero)
{
    // Other protocol messages leave it running.
    for (const char *other : {"WM_TAKE_FOCUS", "_NET_WM_PING"})
        send_protocol(dpy, top, other);
    EXPECT_EQ(p.wait_exit(1), -1) << p.err();

    send_protocol(dpy, top, "WM_DELETE_WINDOW");
    EXPECT_EQ(p.wait_exit(10), 0);
    EXPECT_EQ(p.err(), "");
}

}  // namespace
