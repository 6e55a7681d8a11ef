#pragma once

#include "game/puzzlelist.h"
#include "ui/appcontext.h"

// Prints the puzzle list to the program's current printer. With no printer installed
// the same pages go into Datalijst.pdf beside the program, and a message says where.
class ListPrintJob
{
public:
    static void print(const AppContext &context, const QList<PuzzleEntry> &rows, const QString &footer);
    static QString pdfPath(const AppContext &context);
};
