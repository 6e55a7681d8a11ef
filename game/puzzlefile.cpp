#include "game/puzzlefile.h"

#include "game/fieldreader.h"
#include "game/puzzlelist.h"
#include "game/blanks.h"
#include "game/textwriter.h"

#include <QFile>

namespace PuzzleFile {

void load(const QString &path, PuzzleList &list)
{
    list.clear();
    const std::optional<QByteArray> bytes = readWholeFile(path);
    if (!bytes)
        return;
    FieldReader reader(*bytes);
    // The two header lines are skipped whatever they say.
    if (!reader.line() || !reader.line())
        return;

    // Fields run as a stream: a record is the next five fields wherever the line ends
    // fall, so a stray comma shifts every later field by one.
    while (!reader.atEnd()) {
        const std::optional<QString> keyword = reader.field();
        if (!keyword)
            break;
        PuzzleEntry entry;
        entry.keyword = *keyword;
        // A last record cut short by the end of the file keeps empty descriptions.
        for (QString &description : entry.descriptions)
            description = reader.field().value_or(QString());
        if (trimBlanks(entry.keyword).isEmpty())
            continue;
        list.append(entry);
    }
}

int progressStep(int rows)
{
    if (rows <= 0)
        return 0;
    // 500 / rows in whole numbers, a remainder of exactly half going to the even quotient.
    const int quotient = 500 / rows;
    const int twiceRemainder = 2 * (500 % rows);
    if (twiceRemainder > rows || (twiceRemainder == rows && quotient % 2 == 1))
        return quotient + 1;
    return quotient;
}

QString save(const QString &path, const QString &backupPath, const PuzzleList &list)
{
    TextWriter writer;
    writer.line(QStringLiteral("Brovelt Software 2019"));
    writer.line(QStringLiteral("----------"));
    for (const PuzzleEntry &row : list.entries()) {
        QStringList fields{trimBlanks(row.keyword)};
        for (const QString &description : row.descriptions)
            fields.append(trimBlanks(description));
        writer.line(fields.join(u','));
    }

    // The previous file is kept as the backup, and the new one replaces it only once it
    // is written whole, so a save that fails never loses the database.
    if (QFile::exists(path)) {
        QFile::remove(backupPath);
        QFile::copy(path, backupPath);
    }
    return writeWholeFile(path, writer.bytes());
}

} // namespace PuzzleFile
