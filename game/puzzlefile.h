#pragma once

#include "game/puzzlelist.h"

#include <QString>

#include <functional>

// The puzzle database file Data/Puzzel.lib: two header lines, then one item a line,
// keyword and four descriptions joined by commas, Windows-1252 with CR LF. Fields are
// bare: nothing is quoted or escaped, so a row that a bare field cannot hold is refused
// rather than written as something else.
namespace PuzzleFile {

enum class Reading {
    // Fields as the game reads them: a quoted field ends at its closing quote.
    AsRead,
    // A field that lost text after its closing quote keeps all it held, quotes and
    // all, so the editor shows what the file holds and refuses to write it back.
    KeepWholeFields,
};

// What a reading found that the rows do not show: the game reads on regardless, the
// editor tells the keeper of the list before a save writes the rows as read.
struct ReadReport {
    // There is a file (or a folder) by the name, but it could not be read.
    bool unreadable = false;
    // The file holds NUL bytes, which no text in the list's code page does: text saved as
    // UTF-16 ("Unicode"), or no text at all. Its UTF-8 lines are then not looked for.
    bool notText = false;
    // The lines (from 1) that hold letters in UTF-8's form, which the list's code page
    // reads as other letters: "é" as "Ã©".
    QList<int> utf8Lines;
    // The lines (from 1) that did not read as one puzzle of five fields: a blank line, a
    // line with fewer or more fields, a puzzle without a keyword, a header line that holds
    // a puzzle. Only where the reading breaks off from whole lines: the lines after a
    // blank one, read shifted, are not each named again.
    QList<int> irregularLines;
};

// The rows of 'path'. A missing or damaged file gives what could be read, never an
// error; 'report', when given, says what was passed over or read shifted. Touches no
// object, so it may run on any thread.
QList<PuzzleEntry> read(const QString &path, Reading reading = Reading::AsRead, ReadReport *report = nullptr);
// Loads 'path' into 'list' (emptied first).
void load(const QString &path, PuzzleList &list, Reading reading = Reading::AsRead, ReadReport *report = nullptr);
// The report in Dutch for the editor's keeper of the list; empty when there is nothing to
// tell.
QString readReportText(const ReadReport &report);

// The first row (from 0) the file cannot hold as it stands, or -1.
int firstRefusedRow(const QList<PuzzleEntry> &rows);
// Why a save would refuse, in Dutch: the first row the file cannot hold (its number and
// keyword), what in it, and the numbers of any further such rows. Empty when every row
// can be written.
QString refusedRowsText(const QList<PuzzleEntry> &rows);

// The file's bytes for 'list' as a save writes them; 'made', when given, hears each tenth
// of the rows done. Rows a save would refuse are written as they stand.
QByteArray fileBytes(const PuzzleList &list, const std::function<void(int tenths)> &made = {});

// Copies the file to 'backupPath' when it exists. An empty text on success (or when
// there is no file yet), otherwise the reason in Dutch.
QString makeBackup(const QString &path, const QString &backupPath);

// How far a save has come, in thousandths of the work; 1000 is told only once the new
// file is safely in its place.
using SaveProgressReport = std::function<void(int permille)>;

// Writes 'list' to 'path' whole, first keeping the previous file as 'backupPath' unless
// that is empty or the file already holds the list (the backup of the last change stays). Returns an empty text on success, otherwise the reason in Dutch: a row
// the file cannot hold, a backup that could not be made, or the write's failure. The
// previous file is then untouched.
QString save(const QString &path, const QString &backupPath, const PuzzleList &list,
             const SaveProgressReport &progress = {});

} // namespace PuzzleFile
