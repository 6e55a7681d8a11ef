#pragma once

#include <QString>

#include <functional>

class PuzzleList;

// The puzzle database file Data/Puzzel.lib: two header lines, then one item a line,
// keyword and four descriptions joined by commas, Windows-1252 with CR LF.
namespace PuzzleFile {

// Loads 'path' into 'list' (emptied first). A missing or damaged file gives what could
// be read, never an error.
void load(const QString &path, PuzzleList &list);

// How far a save has come, in thousandths of the work; 1000 is told only once the new
// file is safely in its place.
using SaveProgressReport = std::function<void(int permille)>;

// Writes 'list' to 'path' whole, keeping the previous file as 'backupPath'. Returns an
// empty text on success, otherwise the reason (the previous file is then untouched).
QString save(const QString &path, const QString &backupPath, const PuzzleList &list,
             const SaveProgressReport &progress = {});

} // namespace PuzzleFile
