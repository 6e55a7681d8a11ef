#pragma once

#include "game/puzzlelist.h"
#include "ui/appcontext.h"

// Prints the puzzle list to the printer named in the editor's chooser. With no printer
// installed the same pages go into Datalijst.pdf beside the program, and a message says
// where. A printer that does not exist or refuses the job is reported, and nothing is
// printed elsewhere.
class ListPrintJob
{
public:
    static void print(const AppContext &context, const QString &printerName, const QList<PuzzleEntry> &rows,
                      const QString &footer);
    static QString pdfPath(const AppContext &context);
};
