#include "ui/terminationrequest.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::array endingSignals{SIGTERM, SIGHUP, SIGINT};

// The pipe's writing end, which the handler reaches: a handler may only touch what it
// finds without the toolkit, and write() is safe there.
volatile std::sig_atomic_t s_writeEnd = -1;

extern "C" void onEndingSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    // A full pipe already holds a request; a second one adds nothing.
    [[maybe_unused]] const ssize_t written = ::write(s_writeEnd, &byte, 1);
    errno = saved;
}

} // namespace

TerminationRequest::TerminationRequest(QObject *parent) : QObject(parent)
{
    int ends[2];
    // Without the pipe the signals keep their default: the program ends as before.
    if (s_writeEnd >= 0 || ::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    s_writeEnd = ends[1];
    m_notifier = new QSocketNotifier(ends[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationRequest::onSignalled);
    struct sigaction action = {};
    action.sa_handler = onEndingSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : endingSignals) {
        // A signal the program was started to ignore (under nohup, or in the background
        // of a script) stays ignored.
        struct sigaction inherited = {};
        if (::sigaction(signal, nullptr, &inherited) == 0 && inherited.sa_handler == SIG_IGN)
            continue;
        ::sigaction(signal, &action, nullptr);
    }
}

namespace {

// A signal from here on ends the process the default way; one that was ignored stays so.
void restoreDefaults()
{
    for (const int signal : endingSignals) {
        struct sigaction current = {};
        if (::sigaction(signal, nullptr, &current) == 0 && current.sa_handler == onEndingSignal)
            ::signal(signal, SIG_DFL);
    }
}

} // namespace

TerminationRequest::~TerminationRequest()
{
    if (!m_notifier)
        return;
    restoreDefaults();
    const int readEnd = int(m_notifier->socket());
    delete m_notifier;
    ::close(readEnd);
    ::close(s_writeEnd);
    s_writeEnd = -1;
}

void TerminationRequest::onSignalled()
{
    char bytes[16];
    while (::read(int(m_notifier->socket()), bytes, sizeof bytes) > 0) {
    }
    emit requested();
    // Once what the request does has been done (the settings and scores written), a
    // further request (the program stuck on its way out) ends it at once; one that came
    // meanwhile (a logout sends SIGHUP after SIGTERM) waited in the pipe.
    restoreDefaults();
}
