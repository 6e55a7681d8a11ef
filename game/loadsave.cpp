#include "game/loadsave.h"

#include "game/algemeen.h"
#include "game/fieldreader.h"
#include "game/platform.h"
#include "game/puzzlelist.h"
#include "game/tekst.h"
#include "game/scorelijst.h"
#include "game/textwriter.h"

#include <QFile>

namespace {

const QString puzzleFileName = QStringLiteral("Puzzel.lib");
const QString puzzleBackupName = QStringLiteral("Puzzel.bak");
const QString scoreFileName = QStringLiteral("Scorelijst.lib");

} // namespace

void LaadPuzzelLijst(PuzzleList &list)
{
    list.clear();
    const std::optional<QByteArray> bytes = readWholeFile(Platform::dataFile(puzzleFileName));
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
        entry.Trefwoord = *keyword;
        // A last record cut short by the end of the file keeps empty descriptions.
        for (QString &description : entry.Omschrijving)
            description = reader.field().value_or(QString());
        if (trimBlanks(entry.Trefwoord).isEmpty())
            continue;
        list.append(entry);
    }
}

int saveStep(int rows)
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

void BewaarPuzzelLijst(const PuzzleList &list, SaveProgress *progress)
{
    // A copy, because the events handled while waiting below may change the window's list.
    const QList<PuzzleEntry> rows = list.entries();
    const int step = saveStep(int(rows.size()));

    if (progress)
        progress->begin(saveBarBackground());

    TextWriter writer;
    writer.line(QStringLiteral("Brovelt Software 2019"));
    writer.line(QStringLiteral("----------"));
    for (const PuzzleEntry &row : rows) {
        QStringList fields{trimBlanks(row.Trefwoord)};
        for (const QString &description : row.Omschrijving)
            fields.append(trimBlanks(description));
        writer.line(fields.join(u','));
    }

    // The previous file is kept as Puzzel.bak, and the new one replaces it only once it
    // is written whole, so a save that fails or is cut short never loses the database.
    // The file is written in one go before the progress runs: closing the window during
    // the progress leaves it complete.
    const QString path = Platform::dataFile(puzzleFileName);
    const QString backup = Platform::dataFile(puzzleBackupName);
    if (QFile::exists(path)) {
        QFile::remove(backup);
        QFile::copy(path, backup);
    }
    writeWholeFile(path, writer.bytes());

    for (int i = 1; i <= int(rows.size()); ++i) {
        if (progress)
            progress->fill(i * step, saveBarColour());
        Wacht(0.03f);
    }

    if (progress)
        progress->end();
}

void LaadScorelijst(Scorelijst &list)
{
    const std::optional<QByteArray> bytes = readWholeFile(Platform::dataFile(scoreFileName));
    if (!bytes)
        return;
    FieldReader reader(*bytes);
    if (!reader.field() || !reader.field())
        return;
    while (!reader.atEnd()) {
        const std::optional<QString> line = reader.field();
        if (!line)
            break;
        if (!line->isEmpty())
            list.add(*line);
    }
}

void BewaarScorelijst(const Scorelijst &list)
{
    TextWriter writer;
    writer.quoted(QStringLiteral("Brovelt Software 2019"));
    writer.quoted(QString(26, u'-'));
    for (const QString &line : list.lines())
        writer.quoted(line);
    // Replaced whole, never deleted first: a failed write keeps the scores on disk.
    writeWholeFile(Platform::dataFile(scoreFileName), writer.bytes());
}

void VoegScoreToe(Scorelijst &list, qint32 score, const QString &name)
{
    list.add(scoreLine(score, name));
    BewaarScorelijst(list);
}
