#pragma once

#include <QStringList>

#include <functional>

class QPagedPaintDevice;

// The program's current printer, which the editor's printer chooser sets and the list
// printing uses; it stays chosen for the rest of the run. Printers are known by their
// device names in the order the system lists them. Tests derive a choice with printers
// of their own.
class PrinterChoice
{
public:
    virtual ~PrinterChoice() = default;

    // The device names of the installed printers, in the system's order.
    virtual QStringList installed() const;
    // The chosen printer, or the system's default printer while none was chosen; empty
    // when there is none.
    QString current() const;
    void setCurrent(const QString &name) { m_current = name; }

    // Makes the printer at 'listIndex' of 'printers' current: the list position (-1 for
    // none) is kept as decimal text, and the first printer whose count written the same
    // way matches it becomes current. Returns that text. No match leaves the current one.
    QString choose(int listIndex, const QStringList &printers);

    // Prints one document on the installed printer 'name': 'draw' paints it on the
    // device it is given and returns false when the device would not start. An empty
    // text when the printer system took the job; otherwise why not, in Dutch, and
    // nothing went to any other printer.
    QString print(const QString &name, const QString &documentName,
                  const std::function<bool(QPagedPaintDevice &)> &draw);

    static QString unknownPrinterText(const QString &name);
    static QString refusedJobText(const QString &name);

protected:
    virtual QString systemDefault() const;
    // Hands the job to the printer system; 'name' is installed.
    virtual QString send(const QString &name, const QString &documentName,
                         const std::function<bool(QPagedPaintDevice &)> &draw);

private:
    QString m_current;
};
