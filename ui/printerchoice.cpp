#include "ui/printerchoice.h"

#include <QPrinterInfo>

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
