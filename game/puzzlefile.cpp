#include "game/puzzlefile.h"

#include "common/cp1252.h"
#include "game/blanks.h"
#include "game/fieldreader.h"
#include "game/puzzleentrycheck.h"
#include "game/shownfield.h"
#include "game/textwriter.h"

#include <QFileInfo>

namespace PuzzleFile {

namespace {

// The next field; with KeepWholeFields a field that lost text gives its bytes whole.
std::optional<QString> nextField(FieldReader &reader, Reading reading)
{
    std::optional<QString> field = reader.field();
    if (field && reading == Reading::KeepWholeFields && reader.lastFieldLostText())
        field = trimBlanks(Cp1252::decode(reader.lastFieldBytes()));
    return field;
}


} // namespace

QList<PuzzleEntry> read(const QString &path, Reading reading)
{
    QList<PuzzleEntry> rows;
    const std::optional<QByteArray> bytes = readWholeFile(path);
    if (!bytes)
        return rows;
    FieldReader reader(*bytes);
    // The two header lines are skipped whatever they say.
    if (!reader.line() || !reader.line())
        return rows;

    // Fields run as a stream: a record is the next five fields wherever the line ends
    // fall, so a stray comma shifts every later field by one.
    while (!reader.atEnd()) {
        const std::optional<QString> keyword = nextField(reader, reading);
        if (!keyword)
            break;
        PuzzleEntry entry;
        entry.keyword = *keyword;
        // A last record cut short by the end of the file keeps empty descriptions.
        for (QString &description : entry.descriptions)
            description = nextField(reader, reading).value_or(QString());
        if (trimBlanks(entry.keyword).isEmpty())
            continue;
        rows.append(std::move(entry));
    }
    return rows;
}

void load(const QString &path, PuzzleList &list, Reading reading)
{
    list.setEntries(read(path, reading));
}

int firstRefusedRow(const QList<PuzzleEntry> &rows)
{
    for (int row = 0; row < rows.size(); ++row) {
        if (!PuzzleEntryCheck(rows.at(row)).passed())
            return row;
    }
    return -1;
}

QString refusedRowsText(const QList<PuzzleEntry> &rows)
{
    const int first = firstRefusedRow(rows);
    if (first < 0)
        return QString();
    QString text = QStringLiteral("Rij %1 (%2) kan niet worden bewaard zoals hij nu is. ")
                       .arg(first + 1)
                       .arg(ShownField::shortened(rows.at(first).keyword, ShownField::inMessage))
        + PuzzleEntryCheck(rows.at(first)).message();
    QStringList further;
    for (int row = first + 1; row < rows.size(); ++row) {
        if (!PuzzleEntryCheck(rows.at(row)).passed())
            further << QString::number(row + 1);
    }
    if (!further.isEmpty()) {
        text += QStringLiteral("\n\nOok deze rijen moeten worden aangepast: ") + further.join(QStringLiteral(", "))
            + u'.';
    }
    return text + QStringLiteral("\n\nPas de rij aan met \"Wijzigen\" of verwijder hem. Er is niets bewaard.");
}

QString makeBackup(const QString &path, const QString &backupPath)
{
    // Only a file is kept: a folder in its place fails the save itself, and says so.
    if (!QFileInfo(path).isFile())
        return QString();
    const QString reason = copyWholeFile(path, backupPath);
    if (reason.isEmpty())
        return QString();
    return QStringLiteral("De reservekopie kon niet worden gemaakt: ") + reason + u'.';
}

QString save(const QString &path, const QString &backupPath, const PuzzleList &list,
             const SaveProgressReport &progress)
{
    // A row written as it stands would come back changed, or shift every field after it.
    const int refused = firstRefusedRow(list.entries());
    if (refused >= 0) {
        return QStringLiteral("Rij %1 kan niet worden bewaard. ").arg(refused + 1)
            + PuzzleEntryCheck(list.entry(refused)).message();
    }
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
        QStringList fields{row.keyword};
        for (const QString &description : row.descriptions)
            fields.append(description);
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
    if (!backupPath.isEmpty()) {
        const QString reason = makeBackup(path, backupPath);
        if (!reason.isEmpty())
            return reason;
    }
    report(backupShare);
    const QString reason = writeWholeFile(path, writer.bytes());
    if (!reason.isEmpty())
        return reason + u'.';
    report(1000);
    return QString();
}

} // namespace PuzzleFile
