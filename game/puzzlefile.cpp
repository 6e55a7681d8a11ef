#include "game/puzzlefile.h"

#include "common/cp1252.h"
#include "game/blanks.h"
#include "game/fieldreader.h"
#include "game/puzzleentrycheck.h"
#include "game/shownfield.h"
#include "game/textwriter.h"

#include <QFileInfo>

#include <algorithm>

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

// Line numbers of byte positions met in order: counts line ends (CR LF, LF or a lone CR)
// only over the bytes since the last position asked about.
class LineCounter
{
public:
    explicit LineCounter(const QByteArray &bytes)
        : m_bytes(bytes)
    {
    }

    int lineAt(qsizetype position)
    {
        for (; m_counted < position; ++m_counted) {
            const char c = m_bytes.at(m_counted);
            if (c == '\n' || (c == '\r' && (m_counted + 1 >= m_bytes.size() || m_bytes.at(m_counted + 1) != '\n')))
                ++m_line;
        }
        return m_line;
    }

private:
    const QByteArray &m_bytes;
    qsizetype m_counted = 0;
    int m_line = 1;
};

// Where the bytes hold a letter or sign in UTF-8's form: a lead byte of the Latin-1 letters
// (0xC2, 0xC3) and its follower, or the quotes, dashes and euro of 0xE2 0x80/0x82. In the
// list's code page these read as "Ã©" and the like, which Dutch text never holds.
bool holdsUtf8At(const QByteArray &bytes, qsizetype i)
{
    const auto at = [&](qsizetype k) { return k < bytes.size() ? uchar(bytes.at(k)) : 0; };
    const uchar lead = at(i);
    const auto follows = [&](qsizetype k) { return at(k) >= 0x80 && at(k) <= 0xBF; };
    if (lead == 0xC2 || lead == 0xC3)
        return follows(i + 1);
    return lead == 0xE2 && (at(i + 1) == 0x80 || at(i + 1) == 0x82) && follows(i + 2);
}

bool startsLine(const QByteArray &bytes, qsizetype position)
{
    return position == 0 || bytes.at(position - 1) == '\r' || bytes.at(position - 1) == '\n';
}

// A header line that holds a puzzle's five fields (as the fields are read: a quoted
// comma is no separator), so skipping it as the header loses one.
bool headerHoldsPuzzle(const QString &line)
{
    FieldReader fields(Cp1252::encode(line));
    const std::optional<QString> keyword = fields.field();
    if (!keyword || trimBlanks(*keyword).isEmpty())
        return false;
    int count = 1;
    while (fields.field())
        ++count;
    return count >= 5;
}

} // namespace

QList<PuzzleEntry> read(const QString &path, Reading reading, ReadReport *report)
{
    QList<PuzzleEntry> rows;
    const std::optional<QByteArray> bytes = readWholeFile(path);
    if (!bytes) {
        if (report)
            report->unreadable = QFileInfo::exists(path);
        return rows;
    }
    FieldReader reader(*bytes);
    LineCounter lines(*bytes);
    if (report)
        report->notText = bytes->contains('\0');
    if (report && !report->notText) {
        LineCounter utf8Lines(*bytes);
        for (qsizetype i = 0; i < bytes->size(); ++i) {
            if (uchar(bytes->at(i)) >= 0xC2 && holdsUtf8At(*bytes, i)) {
                const int line = utf8Lines.lineAt(i);
                if (report->utf8Lines.isEmpty() || report->utf8Lines.last() != line)
                    report->utf8Lines.append(line);
            }
        }
    }
    // Blank lines after the last byte of text lose and shift nothing.
    qsizetype textEnd = bytes->size();
    while (textEnd > 0 && (bytes->at(textEnd - 1) == ' ' || bytes->at(textEnd - 1) == '\r' || bytes->at(textEnd - 1) == '\n'))
        --textEnd;
    // The two header lines are skipped whatever they say.
    for (int header = 0; header < 2; ++header) {
        const qsizetype start = reader.position();
        const std::optional<QString> line = reader.line();
        if (!line)
            return rows;
        if (report && headerHoldsPuzzle(*line))
            report->irregularLines.append(lines.lineAt(start));
    }

    // Fields run as a stream: a record is the next five fields wherever the line ends
    // fall, so a stray comma shifts every later field by one.
    bool inStep = true; // the records so far each stood on a line of their own
    while (!reader.atEnd()) {
        const qsizetype start = reader.position();
        const std::optional<QString> keyword = nextField(reader, reading);
        if (!keyword)
            break;
        // Whether the record is one line of five fields: it starts a line, its first four
        // fields end at commas and its fifth at the line's end.
        bool wholeLine = startsLine(*bytes, start) && !reader.lastFieldEndedLine();
        PuzzleEntry entry;
        entry.keyword = *keyword;
        // A last record cut short by the end of the file keeps empty descriptions.
        for (int i = 0; i < 4; ++i) {
            const std::optional<QString> description = nextField(reader, reading);
            entry.descriptions[i] = description.value_or(QString());
            wholeLine = wholeLine && description && reader.lastFieldEndedLine() == (i == 3);
        }
        const bool noKeyword = trimBlanks(entry.keyword).isEmpty();
        if (report && start < textEnd) {
            const int line = lines.lineAt(start);
            // A quoted field that runs over a line end keeps the record from being one line.
            wholeLine = wholeLine && lines.lineAt(reader.lastFieldEnd()) == line;
            const bool blank = noKeyword && std::all_of(entry.descriptions.cbegin(), entry.descriptions.cend(),
                                                        [](const QString &d) { return trimBlanks(d).isEmpty(); });
            // Named: where the records leave their lines, and a puzzle line without a
            // keyword, which is passed over.
            const bool breaksOff = inStep && !wholeLine;
            const bool passedOver = wholeLine && noKeyword && !blank;
            if (breaksOff || passedOver)
                report->irregularLines.append(line);
        }
        inStep = wholeLine;
        if (noKeyword)
            continue;
        rows.append(std::move(entry));
    }
    return rows;
}

void load(const QString &path, PuzzleList &list, Reading reading, ReadReport *report)
{
    list.setEntries(read(path, reading, report));
}

namespace {

// "regel 4", "regels 1, 2 en 9", the first ten and how many more.
// "3", "3 en 7", "3, 7 en 9"; past ten, the first ten and how many more, so a message about
// thousands of lines still fits on the screen.
QString listedNumbers(const QList<int> &numbers)
{
    constexpr int named = 10;
    QStringList texts;
    for (int i = 0; i < qMin(numbers.size(), named); ++i)
        texts << QString::number(numbers.at(i));
    if (numbers.size() > named)
        return texts.join(QStringLiteral(", ")) + QStringLiteral(" en nog %1 andere").arg(numbers.size() - named);
    if (texts.size() > 1)
        return texts.mid(0, texts.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" en ") + texts.last();
    return texts.value(0);
}

QString namedLines(const QList<int> &lines)
{
    return (lines.size() == 1 ? QStringLiteral("regel ") : QStringLiteral("regels ")) + listedNumbers(lines);
}

} // namespace

QString readReportText(const ReadReport &report)
{
    if (report.unreadable)
        return QStringLiteral("Puzzel.lib kon niet worden gelezen, daarom is de lijst leeg.");
    QStringList told;
    if (report.notText) {
        told << QStringLiteral("Puzzel.lib is geen tekst zoals het spel die leest: er staan nul-tekens in, zoals in een"
                               " bestand dat als UTF-16 (Unicode) is opgeslagen of in een bestand dat geen tekst is."
                               " Sla de lijst op als tekst in Windows-1252 (ANSI).");
    }
    if (!report.utf8Lines.isEmpty()) {
        told << QStringLiteral("In Puzzel.lib staat tekst in UTF-8 (%1), maar het spel leest Windows-1252: letters met"
                               " een accent staan er daarom anders in (\u00e9 als \u00c3\u00a9).")
                    .arg(namedLines(report.utf8Lines));
    }
    if (!report.irregularLines.isEmpty()) {
        told << QStringLiteral("Niet alles in Puzzel.lib kon als puzzel van vijf velden worden gelezen: %1. Vanaf zo'n"
                               " regel kunnen puzzels verschoven of weggevallen zijn. Kijk de lijst na voordat je"
                               " opslaat: opslaan bewaart de lijst zoals hij hier staat, en het oude bestand als"
                               " Puzzel.bak.")
                    .arg(namedLines(report.irregularLines));
    }
    return told.join(QStringLiteral("\n\n"));
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
    QList<int> further;
    for (int row = first + 1; row < rows.size(); ++row) {
        if (!PuzzleEntryCheck(rows.at(row)).passed())
            further << row + 1;
    }
    if (further.isEmpty())
        return text + QStringLiteral("\n\nPas de rij aan met \"Wijzigen\" of verwijder hem. Er is niets bewaard.");
    return text
        + (further.size() == 1 ? QStringLiteral("\n\nOok deze rij moet worden aangepast: ")
                               : QStringLiteral("\n\nOok deze rijen moeten worden aangepast: "))
        + listedNumbers(further) + QStringLiteral(".\n\nPas de rijen aan met \"Wijzigen\" of verwijder ze. Er is niets bewaard.");
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

QByteArray fileBytes(const PuzzleList &list, const std::function<void(int tenths)> &made)
{
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
        if (made && tenths != told) {
            told = tenths;
            made(tenths);
        }
    }
    return writer.bytes();
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
    const QByteArray bytes = fileBytes(list, [&](int tenths) { report(madeShare * tenths / 10); });

    // The previous file is kept as the backup, and the new one replaces it only once it
    // is written whole, so a save that fails never loses the database. A save that
    // changes nothing leaves the backup of the last change.
    if (!backupPath.isEmpty() && readWholeFile(path) != bytes) {
        const QString reason = makeBackup(path, backupPath);
        if (!reason.isEmpty())
            return reason;
    }
    report(backupShare);
    const QString reason = writeWholeFile(path, bytes);
    if (!reason.isEmpty())
        return reason + u'.';
    report(1000);
    return QString();
}

} // namespace PuzzleFile
