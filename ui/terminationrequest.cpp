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
int s_writeEnd = -1;

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
    for (const int signal : endingSignals)
        ::sigaction(signal, &action, nullptr);
}

TerminationRequest::~TerminationRequest()
{
    if (!m_notifier)
        return;
    // A signal after this point ends the process the default way.
    for (const int signal : endingSignals)
        ::signal(signal, SIG_DFL);
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
}
