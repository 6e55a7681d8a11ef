// Starts a command and prints two times in milliseconds: until its first full-size window
// (at least 600 x 400) is mapped, as the shared start-up script's waiter measures, and until
// that window's first content reaches the X server (its first damage report), which is when
// the player sees it. The DAMAGE extension is spoken directly, so only libX11 is needed.
#include <X11/Xlibint.h>
#include <X11/extensions/damageproto.h>
#undef Window
#undef Drawable

#include <signal.h>
#include <stdio.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static int damageOpcode, damageEvent;
static pid_t child;

static double now(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// A window the program makes and drops again before it is watched is no fault.
static int ignoreError(Display *display, XErrorEvent *error)
{
    (void)display;
    (void)error;
    return 0;
}

// A program that never draws its window would keep the measurement waiting.
static void giveUp(int signal)
{
    (void)signal;
    kill(child, SIGKILL);
    _exit(2);
}

// Xlib passes on only the events it knows how to read; this reads a damage report.
static Bool readDamageEvent(Display *dpy, XEvent *event, xEvent *wire)
{
    const xDamageNotifyEvent *notify = (const xDamageNotifyEvent *)wire;
    event->xany.type = notify->type & 0x7f;
    event->xany.serial = _XSetLastRequestRead(dpy, (xGenericReply *)wire);
    event->xany.send_event = (notify->type & 0x80) != 0;
    event->xany.display = dpy;
    event->xany.window = notify->drawable;
    return True;
}

// Xlib's request macros name the display 'dpy'.
static Bool startDamage(Display *dpy)
{
    int errorBase;
    if (!XQueryExtension(dpy, DAMAGE_NAME, &damageOpcode, &damageEvent, &errorBase))
        return False;
    XESetWireToEvent(dpy, damageEvent + XDamageNotify, readDamageEvent);
    xDamageQueryVersionReq *request;
    xDamageQueryVersionReply reply;
    LockDisplay(dpy);
    GetReq(DamageQueryVersion, request);
    request->reqType = damageOpcode;
    request->damageReqType = X_DamageQueryVersion;
    request->majorVersion = DAMAGE_MAJOR;
    request->minorVersion = DAMAGE_MINOR;
    const Bool answered = _XReply(dpy, (xReply *)&reply, 0, xTrue);
    UnlockDisplay(dpy);
    SyncHandle();
    return answered;
}

static void watchDamage(Display *dpy, XID window)
{
    xDamageCreateReq *request;
    LockDisplay(dpy);
    GetReq(DamageCreate, request);
    request->reqType = damageOpcode;
    request->damageReqType = X_DamageCreate;
    request->damage = XAllocID(dpy);
    request->drawable = window;
    request->level = XDamageReportNonEmpty;
    UnlockDisplay(dpy);
    SyncHandle();
    XFlush(dpy);
}

int main(int argc, char **argv)
{
    Display *display = XOpenDisplay(NULL);
    if (!display || argc < 2 || !startDamage(display)) {
        fprintf(stderr, "usage: waitpaint COMMAND... (needs an X display with DAMAGE)\n");
        return 1;
    }
    XSetErrorHandler(ignoreError);
    const XID root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);
    const double start = now();
    child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    signal(SIGALRM, giveUp);
    alarm(10);
    double mapped = -1;
    XID shown = 0;
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        // Watched from its making, so no drawing is missed.
        if (event.type == CreateNotify && mapped < 0)
            watchDamage(display, event.xcreatewindow.window);
        if (event.type == MapNotify && mapped < 0) {
            XWindowAttributes attributes;
            XGetWindowAttributes(display, event.xmap.window, &attributes);
            if (attributes.width >= 600 && attributes.height >= 400) {
                mapped = now() - start;
                shown = event.xmap.window;
            }
        }
        if (event.type == damageEvent + XDamageNotify && mapped >= 0 && event.xany.window == shown) {
            printf("%.1f %.1f\n", mapped, now() - start);
            break;
        }
    }
    kill(child, SIGTERM);
    waitpid(child, NULL, 0);
    return 0;
}
