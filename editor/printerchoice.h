#pragma once

#include <QStringList>

#include <optional>

// The program's current printer, which the editor's printer chooser sets and the list
// printing uses; it stays chosen for the rest of the run. Printers are known by their
// device names in the order the system lists them.
class PrinterChoice
{
public:
    // The device names of the installed printers, in the system's order.
    static QStringList installed();
    // The chosen printer, or the system's default printer while none was chosen; empty
    // when there is none.
    static QString current();
    static void setCurrent(const QString &name);

    // Makes the printer at 'listIndex' of 'printers' current: the list position (-1 for
    // none) is kept as decimal text, and the first printer whose count written the same
    // way matches it becomes current. Returns that text. No match leaves the current one.
    static QString choose(int listIndex, const QStringList &printers);

    // Tests replace the system's printers with a list of their own, the first standing
    // for the default; nullopt restores the system's.
    static void setInstalledForTesting(const std::optional<QStringList> &names);
    static void resetCurrent();

private:
    static QString s_current;
    static std::optional<QStringList> s_installedOverride;
};
