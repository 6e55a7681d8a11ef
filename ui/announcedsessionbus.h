#pragma once

#include <QByteArray>
#include <QString>

// Finds the session bus that is announced on the X display. A desktop session names its
// bus in DBUS_SESSION_BUS_ADDRESS or keeps it in the runtime folder; without either, the
// D-Bus library starts its helper program (dbus-launch) at every start of the program, only
// to read the address that an earlier start left on the display, and the toolkit's
// screen-reader bridge waits for it. Reading that address here costs one short connection
// to the display instead of a new process beside the starting toolkit.
class AnnouncedSessionBus
{
public:
    // Whether the D-Bus library would look on the display: no address named, no bus
    // socket of this user in the runtime folder, and a display to ask.
    static bool wouldBeLookedUpOnDisplay(const QByteArray &namedAddress, const QString &runtimeFolder,
                                         const QByteArray &display);

    // The address a bus announced on the display for this user on this machine, as the
    // helper program reads it, or empty: no display, no bus announced, or an announcement
    // that is not a plain address.
    static QByteArray addressOn(const QByteArray &display, const QByteArray &userName, const QByteArray &machineId);

    // The machine's id as the D-Bus library reads it, or empty.
    static QByteArray machineId();

    // Names the announced bus in the environment where the library would otherwise start
    // its helper; leaves the environment alone otherwise. Called before any thread starts,
    // since it changes the environment.
    static void adoptIntoEnvironment();
};
