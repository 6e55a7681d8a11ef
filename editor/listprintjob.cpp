#include "editor/listprintjob.h"

#include "editor/painterprintsink.h"
#include "ui/printerchoice.h"
#include "ui/dialogs.h"
#include "game/clock.h"
#include "game/folders.h"

#include <QDir>
#include <QPrinter>

QString ListPrintJob::pdfPath(const AppContext &context)
{
    return context.folders.playerFolder() + QStringLiteral("/Datalijst.pdf");
}

void ListPrintJob::print(const AppContext &context, const QString &printerName, const QList<PuzzleEntry> &rows,
                         const QString &footer)
{
    const QDateTime moment = context.clock.now();
    const QStringList printers = context.printers.installed();
    if (!printers.isEmpty()) {
        // Only the printer the player sees in the chooser: a name typed there that is no
        // printer, or none at all, is said rather than printed somewhere else.
        const QString refusal = context.printers.print(
            printerName, QStringLiteral("Datalijst"), [&](QPagedPaintDevice &device) {
                return PainterPrintSink::printList(device, rows, footer, moment);
            });
        if (!refusal.isEmpty())
            context.dialogs.message(refusal, Dialogs::applicationTitle(), Dialogs::Icon::Exclamation);
        return;
    }

    const QString path = pdfPath(context);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(path);
    printer.setDocName(QStringLiteral("Datalijst"));
    const QString where = QDir::toNativeSeparators(path);
    // Without a printer nothing would show that the button did anything, so here the
    // user is told where the pages went.
    if (PainterPrintSink::printList(printer, rows, footer, moment)) {
        context.dialogs.message(QStringLiteral("Er is geen printer geïnstalleerd. De lijst is bewaard in ") + where,
                                    Dialogs::applicationTitle(), Dialogs::Icon::Information);
    } else {
        context.dialogs.message(QStringLiteral("Er is geen printer geïnstalleerd en ") + where
                                        + QStringLiteral(" kon niet worden geschreven."),
                                    Dialogs::applicationTitle(), Dialogs::Icon::Exclamation);
    }
}
