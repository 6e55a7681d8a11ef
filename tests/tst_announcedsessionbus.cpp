#include "ui/announcedsessionbus.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <xcb/xcb.h>

#include <cstdlib>
#include <optional>

#include <pwd.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

const QByteArray s_machine = QByteArrayLiteral("0123456789abcdef0123456789abcdef");

// A client of the test display that announces a bus the way the D-Bus helper program does:
// it owns the selection named for the user and machine and keeps the address on its window.
class Announcer
{
public:
    explicit Announcer(const QByteArray &display)
        : m_connection(xcb_connect(display.constData(), nullptr))
    {
        const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
        m_window = xcb_generate_id(m_connection);
        xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, m_window, screen->root, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    }
    ~Announcer() { xcb_disconnect(m_connection); }

    bool isConnected() const { return !xcb_connection_has_error(m_connection); }

    xcb_atom_t atom(const QByteArray &name)
    {
        xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
            m_connection, xcb_intern_atom(m_connection, 0, quint16(name.size()), name.constData()), nullptr);
        const xcb_atom_t atom = reply->atom;
        std::free(reply);
        return atom;
    }

    // Owns the selection for the user and machine, or gives it up with 'own' false; the
    // address is set with the given type unless it is null.
    void announce(const QByteArray &user, const QByteArray &machine, bool own, const QByteArray &address,
                  xcb_atom_t type)
    {
        if (!address.isNull())
            xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, m_window, atom("_DBUS_SESSION_BUS_ADDRESS"),
                                type, 8, quint32(address.size()), address.constData());
        xcb_set_selection_owner(m_connection, own ? m_window : XCB_WINDOW_NONE,
                                atom("_DBUS_SESSION_BUS_SELECTION_" + user + '_' + machine), XCB_CURRENT_TIME);
        // Waits until the display has done all of it.
        std::free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
    }

private:
    xcb_connection_t *m_connection;
    xcb_window_t m_window = 0;
};

// Makes a listening socket at 'path', as a bus in the runtime folder is.
bool makeSocket(const QString &path)
{
    const int handle = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray encoded = QFile::encodeName(path);
    if (handle < 0 || encoded.size() >= qsizetype(sizeof address.sun_path))
        return false;
    std::copy(encoded.cbegin(), encoded.cend(), address.sun_path);
    const bool made = ::bind(handle, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    ::close(handle);
    return made;
}

} // namespace

class TestAnnouncedSessionBus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void displayIsAskedOnlyWhereTheLibraryWould_data();
    void displayIsAskedOnlyWhereTheLibraryWould();
    void announcedAddressIsRead_data();
    void announcedAddressIsRead();
    void missingDisplayGivesNoAddress();
    void announcedBusIsNamedInTheEnvironment();

private:
    QProcess m_server;
    QByteArray m_display;
};

void TestAnnouncedSessionBus::initTestCase()
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty())
        QSKIP("Xvfb is not installed");
    // Xvfb picks a free display and writes its number on the given file descriptor.
    m_server.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-noreset"), QStringLiteral("-nolisten"),
                          QStringLiteral("tcp"), QStringLiteral("-screen"), QStringLiteral("0"),
                          QStringLiteral("320x240x24")});
    QVERIFY(m_server.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(m_server.canReadLine(), 20000);
    m_display = ':' + m_server.readLine().trimmed();
}

void TestAnnouncedSessionBus::cleanupTestCase()
{
    m_server.terminate();
    m_server.waitForFinished();
}

void TestAnnouncedSessionBus::displayIsAskedOnlyWhereTheLibraryWould_data()
{
    QTest::addColumn<QByteArray>("named");
    QTest::addColumn<QString>("runtimeEntry"); // what lies at <runtime folder>/bus
    QTest::addColumn<QByteArray>("display");
    QTest::addColumn<bool>("asked");

    QTest::newRow("nothing named, no runtime folder") << QByteArray() << QString() << QByteArrayLiteral(":3") << true;
    QTest::newRow("runtime folder without a bus") << QByteArray() << QStringLiteral("nothing") << QByteArrayLiteral(":3")
                                                  << true;
    QTest::newRow("a plain file named bus") << QByteArray() << QStringLiteral("file") << QByteArrayLiteral(":3") << true;
    QTest::newRow("this user's bus in the runtime folder")
        << QByteArray() << QStringLiteral("socket") << QByteArrayLiteral(":3") << false;
    QTest::newRow("an address named") << QByteArrayLiteral("unix:path=/run/bus") << QStringLiteral("nothing")
                                      << QByteArrayLiteral(":3") << false;
    QTest::newRow("no display") << QByteArray() << QStringLiteral("nothing") << QByteArray() << false;
}

void TestAnnouncedSessionBus::displayIsAskedOnlyWhereTheLibraryWould()
{
    QFETCH(QByteArray, named);
    QFETCH(QString, runtimeEntry);
    QFETCH(QByteArray, display);
    QFETCH(bool, asked);

    QTemporaryDir runtime;
    const QString busPath = runtime.filePath(QStringLiteral("bus"));
    if (runtimeEntry == QLatin1String("file")) {
        QFile file(busPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else if (runtimeEntry == QLatin1String("socket")) {
        QVERIFY(makeSocket(busPath));
    }
    const QString folder = runtimeEntry.isEmpty() ? QString() : runtime.path();
    QCOMPARE(AnnouncedSessionBus::wouldBeLookedUpOnDisplay(named, folder, display), asked);
}

void TestAnnouncedSessionBus::announcedAddressIsRead_data()
{
    QTest::addColumn<QByteArray>("announcedFor"); // user, a space, machine
    QTest::addColumn<bool>("owned");
    QTest::addColumn<QByteArray>("address");
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray forUs = "speler " + s_machine;
    const QByteArray address = QByteArrayLiteral("unix:path=/tmp/dbus-Xq3,guid=4a3f0a974f9164b1918c92fc6b160cc8");
    QTest::newRow("announced for this user and machine") << forUs << true << address << QByteArray("STRING")
                                                         << address;
    QTest::newRow("another user's bus") << "ander " + s_machine << true << address << QByteArray("STRING")
                                        << QByteArray();
    QTest::newRow("another machine's bus") << QByteArray("speler ffffffffffffffffffffffffffffffff") << true << address
                                           << QByteArray("STRING") << QByteArray();
    QTest::newRow("selection given up") << forUs << false << address << QByteArray("STRING") << QByteArray();
    QTest::newRow("owner without an address") << forUs << true << QByteArray() << QByteArray("STRING") << QByteArray();
    QTest::newRow("address of another type") << forUs << true << address << QByteArray("UTF8_STRING") << QByteArray();
    QTest::newRow("empty address") << forUs << true << QByteArray("") << QByteArray("STRING") << QByteArray();
    QTest::newRow("address with a blank") << forUs << true << QByteArray("unix:path=/tmp/a b") << QByteArray("STRING")
                                          << QByteArray();
    QTest::newRow("address with a DEL") << forUs << true << QByteArray("unix:path=/tmp/a\x7f") << QByteArray("STRING")
                                        << QByteArray();
    QTest::newRow("address with a byte above ASCII") << forUs << true << QByteArray("unix:path=/tmp/\xe9")
                                                     << QByteArray("STRING") << QByteArray();
    QTest::newRow("address of 4096 bytes") << forUs << true << "unix:path=/" + QByteArray(4085, 'a')
                                           << QByteArray("STRING") << "unix:path=/" + QByteArray(4085, 'a');
    QTest::newRow("address longer than 4096 bytes") << forUs << true << "unix:path=/" + QByteArray(4086, 'a')
                                                    << QByteArray("STRING") << QByteArray();
}

void TestAnnouncedSessionBus::announcedAddressIsRead()
{
    QFETCH(QByteArray, announcedFor);
    QFETCH(bool, owned);
    QFETCH(QByteArray, address);
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, expected);

    Announcer announcer(m_display);
    QVERIFY(announcer.isConnected());
    const QList<QByteArray> userAndMachine = announcedFor.split(' ');
    // Rows share the names: each row takes the selection over, or gives it up.
    announcer.announce(userAndMachine[0], userAndMachine[1], owned, address, announcer.atom(type));
    QCOMPARE(AnnouncedSessionBus::addressOn(m_display, QByteArrayLiteral("speler"), s_machine), expected);
}

void TestAnnouncedSessionBus::missingDisplayGivesNoAddress()
{
    QCOMPARE(AnnouncedSessionBus::addressOn(QByteArrayLiteral(":9876"), QByteArrayLiteral("speler"), s_machine),
             QByteArray());
}

void TestAnnouncedSessionBus::announcedBusIsNamedInTheEnvironment()
{
    const QByteArray machine = AnnouncedSessionBus::machineId();
    if (machine.isEmpty())
        QSKIP("this machine has no machine id for the D-Bus library");
    const passwd *entry = ::getpwuid(::getuid());
    QVERIFY(entry);
    const QByteArray address = QByteArrayLiteral("unix:path=/tmp/dbus-test,guid=00112233445566778899aabbccddeeff");
    Announcer announcer(m_display);
    announcer.announce(entry->pw_name, machine, true, address, XCB_ATOM_STRING);

    QTemporaryDir runtime;
    QList<std::pair<const char *, std::optional<QByteArray>>> saved;
    for (const char *name : {"DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR"})
        saved.append({name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt});
    const auto restore = qScopeGuard([&saved] {
        for (const auto &[name, value] : saved)
            value ? qputenv(name, *value) : qunsetenv(name);
    });
    qputenv("DISPLAY", m_display);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));

    // A bus named already stays.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/run/user/named");
    AnnouncedSessionBus::adoptIntoEnvironment();
    QCOMPARE(qgetenv("DBUS_SESSION_BUS_ADDRESS"), QByteArray("unix:path=/run/user/named"));

    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    AnnouncedSessionBus::adoptIntoEnvironment();
    QCOMPARE(qgetenv("DBUS_SESSION_BUS_ADDRESS"), address);
}

QTEST_GUILESS_MAIN(TestAnnouncedSessionBus)
#include "tst_announcedsessionbus.moc"
