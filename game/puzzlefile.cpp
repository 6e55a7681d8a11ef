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

QString save(const QString &path, const QString &backupPath, const PuzzleList &list,
             const SaveProgressReport &progress)
{
    // Shares of the work: making the bytes, keeping the backup, then the file reaching
    // the disk and taking the old one's place, which is the part that may wait.
    constexpr int madeShare = 600;
    constexpr int backupShare = 700;
    const auto report = [&](int permille) {
        if (progress)
            progress(permille);
    };
    TextWriter writer;
    writer.line(QStringLiteral("Brovelt Software 2019"));
    writer.line(QStringLiteral("----------"));
    const int rows = list.count();
    int told = 0;
    for (int i = 0; i < rows; ++i) {
        const PuzzleEntry &row = list.entry(i);
        QStringList fields{trimBlanks(row.keyword)};
        for (const QString &description : row.descriptions)
            fields.append(trimBlanks(description));
        writer.line(fields.join(u','));
        // Told in tenths, so a long list does not spend its time on telling.
        const int tenths = int(10 * (i + 1) / rows);
        if (tenths != told) {
            told = tenths;
            report(madeShare * tenths / 10);
        }
    }

    // The previous file is kept as the backup, and the new one replaces it only once it
    // is written whole, so a save that fails never loses the database.
    if (QFile::exists(path)) {
        QFile::remove(backupPath);
        QFile::copy(path, backupPath);
    }
    report(backupShare);
    const QString reason = writeWholeFile(path, writer.bytes());
    if (reason.isEmpty())
        report(1000);
    return reason;
}

} // namespace PuzzleFile
