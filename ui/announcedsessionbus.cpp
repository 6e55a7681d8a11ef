#include "ui/announcedsessionbus.h"

#include "common/regularfile.h"

#include <QFile>
#include <QScopeGuard>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

template<typename Reply>
using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

template<typename Reply>
ReplyPointer<Reply> owned(Reply *reply)
{
    return ReplyPointer<Reply>(reply, &std::free);
}

// An atom that some client has made already; a bus that was announced made both of ours,
// so asking never adds names to the display.
xcb_atom_t existingAtom(xcb_connection_t *connection, const QByteArray &name)
{
    const auto reply = owned(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, quint16(name.size()), name.constData()), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// A D-Bus address is plain ASCII without blanks: other bytes are escaped in it.
bool isPlainAddress(const QByteArray &address)
{
    if (address.isEmpty())
        return false;
    for (const char c : address) {
        if (c < '!' || c > '~')
            return false;
    }
    return true;
}

QByteArray userName()
{
    const passwd *entry = ::getpwuid(::getuid());
    return entry && entry->pw_name ? QByteArray(entry->pw_name) : QByteArray();
}

} // namespace

bool AnnouncedSessionBus::wouldBeLookedUpOnDisplay(const QByteArray &namedAddress, const QString &runtimeFolder,
                                                   const QByteArray &display)
{
    if (!namedAddress.isEmpty() || display.isEmpty())
        return false;
    if (runtimeFolder.isEmpty())
        return true;
    // The library takes the runtime folder's bus only when it is a socket of this user.
    struct stat status;
    const QByteArray socketPath = QFile::encodeName(runtimeFolder + QStringLiteral("/bus"));
    return ::stat(socketPath.constData(), &status) != 0 || !S_ISSOCK(status.st_mode) || status.st_uid != ::getuid();
}

QByteArray AnnouncedSessionBus::addressOn(const QByteArray &display, const QByteArray &userName,
                                          const QByteArray &machineId)
{
    if (display.isEmpty() || userName.isEmpty() || machineId.isEmpty())
        return {};
    xcb_connection_t *connection = xcb_connect(display.constData(), nullptr);
    const auto disconnect = qScopeGuard([connection] { xcb_disconnect(connection); });
    if (xcb_connection_has_error(connection))
        return {};

    // The names the helper program uses: the bus owns a selection named for the user and
    // the machine, and keeps its address on the owner's window.
    const xcb_atom_t selection =
        existingAtom(connection, QByteArrayLiteral("_DBUS_SESSION_BUS_SELECTION_") + userName + '_' + machineId);
    const xcb_atom_t addressProperty = existingAtom(connection, QByteArrayLiteral("_DBUS_SESSION_BUS_ADDRESS"));
    if (selection == XCB_ATOM_NONE || addressProperty == XCB_ATOM_NONE)
        return {};
    const auto owner =
        owned(xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection), nullptr));
    if (!owner || owner->owner == XCB_WINDOW_NONE)
        return {};

    // 1024 units of four bytes hold any address; one that does not fit is not taken.
    const auto value = owned(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, owner->owner, addressProperty, XCB_ATOM_STRING, 0, 1024),
        nullptr));
    if (!value || value->type != XCB_ATOM_STRING || value->format != 8 || value->bytes_after != 0)
        return {};
    const QByteArray address(static_cast<const char *>(xcb_get_property_value(value.get())),
                             xcb_get_property_value_length(value.get()));
    return isPlainAddress(address) ? address : QByteArray();
}

QByteArray AnnouncedSessionBus::machineId()
{
    // The library's own order: its own copy first, then the system's.
    for (const char *path : {"/var/lib/dbus/machine-id", "/etc/machine-id"}) {
        QFile file(QString::fromLatin1(path));
        if (!openRegularFile(file))
            continue;
        const QByteArray id = file.read(64).trimmed();
        if (id.size() == 32 && std::all_of(id.cbegin(), id.cend(), [](char c) {
                return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
            }))
            return id;
    }
    return {};
}

void AnnouncedSessionBus::adoptIntoEnvironment()
{
    const QByteArray display = qgetenv("DISPLAY");
    if (!wouldBeLookedUpOnDisplay(qgetenv("DBUS_SESSION_BUS_ADDRESS"), qEnvironmentVariable("XDG_RUNTIME_DIR"),
                                  display))
        return;
    // Nothing announced: the library starts its helper as before, which starts a bus.
    const QByteArray address = addressOn(display, userName(), machineId());
    if (!address.isEmpty())
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
}
