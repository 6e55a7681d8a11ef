#pragma once

#include <QString>

class ScoreList;
struct ScoreEntry;

// The high-score file Data/Scorelijst.lib: two header lines, then one quoted line
// "0120 - Anna" a score, Windows-1252 with CR LF. Nothing inside the quotes is escaped,
// so a name may hold anything the code page has except a double quote.
namespace ScoreFile {

// Reads 'path' into 'list' (emptied first); a damaged file gives what could be read,
// and every line, however many. A line the quoted form cannot give back (a quote
// inside, text after the closing quote) keeps its bytes for the next write. False when
// the file cannot be read at all.
bool load(const QString &path, ScoreList &list);
// Writes the whole list; an empty text on success, otherwise the reason in Dutch. An
// entry the file cannot hold is refused, and nothing is written.
QString save(const QString &path, const ScoreList &list);
// Adds a finished game's score. The file is read again just before writing, so a score
// that another running copy wrote meanwhile is kept; 'list' then holds both.
QString add(const QString &path, ScoreList &list, const ScoreEntry &entry);

// Why the score file cannot hold a player's name, in Dutch; empty when it can.
QString nameRefusal(const QString &name);

} // namespace ScoreFile
