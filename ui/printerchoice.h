#pragma once

#include <QStringList>

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

protected:
    virtual QString systemDefault() const;

private:
    QString m_current;
};
