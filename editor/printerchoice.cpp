#include "editor/printerchoice.h"

#include <QPrinterInfo>

QString PrinterChoice::s_current;
std::optional<QStringList> PrinterChoice::s_installedOverride;

QStringList PrinterChoice::installed()
{
    if (s_installedOverride)
        return *s_installedOverride;
    return QPrinterInfo::availablePrinterNames();
}

QString PrinterChoice::current()
{
    if (!s_current.isEmpty())
        return s_current;
    if (s_installedOverride)
        return s_installedOverride->value(0);
    return QPrinterInfo::defaultPrinterName();
}

void PrinterChoice::setCurrent(const QString &name)
{
    s_current = name;
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

void PrinterChoice::setInstalledForTesting(const std::optional<QStringList> &names)
{
    s_installedOverride = names;
}

void PrinterChoice::resetCurrent()
{
    s_current.clear();
}
