#include "ui/printerchoice.h"

#include <QLibrary>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

// The printer system's verdict on the last job it was given, read from the same CUPS
// library the print support hands the job to: Qt itself passes its answer over. Empty
// when the job was taken or no CUPS is there to ask.
QString cupsRefusal(const QString &name)
{
    using LastError = int (*)();
    static const auto lastError =
        reinterpret_cast<LastError>(QLibrary::resolve(QStringLiteral("cups"), 2, "cupsLastError"));
    if (!lastError)
        return QString();
    const int status = lastError();
    // Statuses below 0x0400 are successes; these are the refusals a player can act on.
    switch (status) {
    case 0x0401: // forbidden
    case 0x0402: // not authenticated
    case 0x0403: // not authorized
        return QStringLiteral("De printer \"%1\" heeft de opdracht geweigerd: je mag niet op deze printer afdrukken.")
            .arg(name);
    case 0x0406: // not found
        return PrinterChoice::unknownPrinterText(name);
    case 0x0506: // not accepting jobs
        return QStringLiteral("De printer \"%1\" neemt op dit moment geen opdrachten aan. Er is niets afgedrukt.")
            .arg(name);
    default:
        break;
    }
    return status >= 0x0400 ? PrinterChoice::refusedJobText(name) : QString();
}

} // namespace

QStringList PrinterChoice::installed() const
{
    return QPrinterInfo::availablePrinterNames();
}

QString PrinterChoice::systemDefault() const
{
    return QPrinterInfo::defaultPrinterName();
}

QString PrinterChoice::current() const
{
    return m_current.isEmpty() ? systemDefault() : m_current;
}

QString PrinterChoice::choose(int listIndex, const QStringList &printers)
{
    const QString printerIndex = QString::number(listIndex);
    for (int k = 0; k < printers.size(); ++k) {
        if (QString::number(k) == printerIndex) {
            setCurrent(printers.at(k));
            break;
        }
    }
    return printerIndex;
}

QString PrinterChoice::unknownPrinterText(const QString &name)
{
    if (name.isEmpty())
        return QStringLiteral("Er is geen printer gekozen. Kies een printer in de lijst. Er is niets afgedrukt.");
    return QStringLiteral("De printer \"%1\" bestaat niet. Kies een printer uit de lijst. Er is niets afgedrukt.")
        .arg(name);
}

QString PrinterChoice::refusedJobText(const QString &name)
{
    return QStringLiteral("De printer \"%1\" heeft de opdracht geweigerd. Er is niets afgedrukt.").arg(name);
}

QString PrinterChoice::print(const QString &name, const QString &documentName,
                             const std::function<bool(QPagedPaintDevice &)> &draw)
{
    // A name that is no installed printer would make the print support fall back to
    // another one without a word.
    if (!installed().contains(name))
        return unknownPrinterText(name);
    return send(name, documentName, draw);
}

QString PrinterChoice::send(const QString &name, const QString &documentName,
                            const std::function<bool(QPagedPaintDevice &)> &draw)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(name);
    if (!printer.isValid() || printer.printerName() != name)
        return unknownPrinterText(name);
    printer.setDocName(documentName);
    if (!draw(printer))
        return refusedJobText(name);
    return cupsRefusal(name);
}
