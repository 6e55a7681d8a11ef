#pragma once

#include <QString>

class ScoreList;
struct ScoreEntry;

// The high-score file Data/ScoreList.lib: two header lines, then one quoted line
// "0120 - Anna" a score, Windows-1252 with CR LF.
namespace ScoreFile {

// Reads 'path' into 'list' (emptied first); a damaged file gives what could be read.
// False when the file cannot be read at all.
bool load(const QString &path, ScoreList &list);
// Writes the whole list; an empty text on success, otherwise the reason.
QString save(const QString &path, const ScoreList &list);
// Adds a finished game's score. The file is read again just before writing, so a score
// that another running copy wrote meanwhile is kept; 'list' then holds both.
QString add(const QString &path, ScoreList &list, const ScoreEntry &entry);

} // namespace ScoreFile
