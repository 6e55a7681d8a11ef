#include "game/scorefile.h"

#include "game/fieldcheck.h"
#include "game/fieldreader.h"
#include "game/scorelist.h"
#include "game/textwriter.h"

namespace ScoreFile {

namespace {

FieldCheck checkText(const QString &text)
{
    return FieldCheck(text, FieldCheck::Form::Quoted);
}

QString refusal(const FieldCheck &check)
{
    return check.message(QStringLiteral("de naam"), QStringLiteral("de scorelijst"), QStringLiteral("namen"));
}

} // namespace

bool load(const QString &path, ScoreList &list)
{
    list.clear();
    const std::optional<QByteArray> bytes = readWholeFile(path);
    if (!bytes)
        return false;
    FieldReader reader(*bytes);
    if (!reader.field() || !reader.field())
        return true;
    QList<ScoreEntry> entries;
    while (!reader.atEnd()) {
        const std::optional<QString> line = reader.field();
        if (!line)
            break;
        if (line->isEmpty())
            continue;
        ScoreEntry entry = ScoreEntry::fromText(*line);
        // Written again from its text, the line would lose what it holds beyond that.
        if (reader.lastFieldLostText() || !checkText(entry.text()).passed())
            entry.stored = reader.lastFieldBytes();
        entries.append(entry);
    }
    list.addAll(entries);
    return true;
}

QString save(const QString &path, const ScoreList &list)
{
    TextWriter writer;
    writer.quoted(QStringLiteral("Brovelt Software 2019"));
    writer.quoted(QString(26, u'-'));
    for (const ScoreEntry &entry : list.entries()) {
        if (!entry.stored.isEmpty()) {
            writer.verbatim(entry.stored);
            continue;
        }
        // A line break read from the file stays: the file reads it back.
        if (const QString refused = refusal(checkText(entry.name)); !refused.isEmpty())
            return refused;
        writer.quoted(entry.text());
    }
    // Replaced whole, never deleted first: a failed write keeps the scores on disk.
    return writeWholeFile(path, writer.bytes());
}

QString add(const QString &path, ScoreList &list, const ScoreEntry &entry)
{
    // Another copy of the game (or the player, by hand) may have written the file since
    // it was read: start from what it holds now, so no one's score is dropped.
    // A file that cannot be read leaves the list as it was.
    ScoreList onDisk;
    if (load(path, onDisk))
        list = onDisk;
    list.add(entry);
    return save(path, list);
}

QString nameRefusal(const QString &name)
{
    // What the file cannot hold is said as the file's own refusal says it; beyond that a new
    // name stays one line of the list and of the board.
    if (const QString refused = refusal(checkText(name)); !refused.isEmpty())
        return refused;
    return refusal(FieldCheck(name, FieldCheck::Form::QuotedLine));
}

} // namespace ScoreFile
