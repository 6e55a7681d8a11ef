#include "game/cp1252.h"
#include "game/fieldreader.h"

#include <QFile>
#include <QSet>
#include <QTest>

// Guards the data files shipped with the program: the puzzle list and the proverbs in
// the source tree, and the word list made in the build's Data folder.
namespace {

const QString puzzleFile = QStringLiteral("Puzzel.lib");
const QString proverbFile = QStringLiteral("Spreekwoorden.lib");
const QString proverbSeparator = QStringLiteral(" -/- ");
const QString meaningLeadIn = QStringLiteral("Betekenis : ");

QString sourceDataPath(const QString &name)
{
    return QStringLiteral(RAADKWARTET_SOURCE_DIR "/data/") + name;
}

QString wordListPath()
{
    return QStringLiteral(RAADKWARTET_DATA_DIR "/Nederlands.lib");
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

struct TextLines
{
    QStringList lines;
    QString fault; // the first thing wrong with the file; empty when it is sound
};

// Splits a file into its lines, which must each end in CR LF, and decodes them from
// Windows-1252. Control characters other than the line ends, including the C1 range the
// code page leaves undefined, count as faults.
TextLines readCrLfLines(const QString &path)
{
    TextLines result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.fault = QStringLiteral("cannot open %1").arg(path);
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        result.fault = QStringLiteral("starts with a UTF-8 byte order mark");
        return result;
    }
    // Every line is kept, so the checks line by line still see the whole file; only
    // the first fault is reported.
    const auto fail = [&result](const QString &fault) {
        if (result.fault.isEmpty())
            result.fault = fault;
    };
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype lf = bytes.indexOf('\n', start);
        const int lineNumber = int(result.lines.size()) + 1;
        if (lf < 0) {
            fail(QStringLiteral("line %1 has no CR LF at its end").arg(lineNumber));
            lf = bytes.size();
        } else if (lf == start || bytes.at(lf - 1) != '\r') {
            fail(QStringLiteral("line %1 ends in a lone LF").arg(lineNumber));
        }
        QByteArray raw = bytes.mid(start, lf - start);
        if (raw.endsWith('\r'))
            raw.chop(1);
        if (raw.contains('\r'))
            fail(QStringLiteral("line %1 holds a lone CR").arg(lineNumber));
        const QString line = Cp1252::decode(raw);
        for (const QChar c : line) {
            if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F)) {
                fail(QStringLiteral("line %1 holds control character U+%2: %3")
                         .arg(lineNumber)
                         .arg(c.unicode(), 4, 16, QLatin1Char('0'))
                         .arg(line));
                break;
            }
        }
        result.lines.append(line);
        start = lf + 1;
    }
    return result;
}

QStringList puzzleItemLines()
{
    return readCrLfLines(sourceDataPath(puzzleFile)).lines.mid(2);
}

QStringList proverbLines()
{
    return readCrLfLines(sourceDataPath(proverbFile)).lines;
}

QString located(int lineNumber, const QString &line)
{
    return QStringLiteral("line %1: %2").arg(lineNumber).arg(line);
}

} // namespace

class TestShippedData : public QObject
{
    Q_OBJECT
private slots:
    void filesAreWindows1252WithCrLfLines_data();
    void filesAreWindows1252WithCrLfLines();
    void puzzleListStartsWithItsHeaderLines();
    void puzzleItemHasFiveCleanFields_data();
    void puzzleItemHasFiveCleanFields();
    void puzzleKeywordsDifferIgnoringCase();
    void puzzleListFitsTheGame();
    void puzzleListReadsBackAsFieldsItemByItem();
    void proverbLineHasSeparatorAndLeadIn_data();
    void proverbLineHasSeparatorAndLeadIn();
    void proverbsAreManyAndDifferent();
    void wordListHoldsLowerCaseWords();
};

void TestShippedData::filesAreWindows1252WithCrLfLines_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("puzzles") << puzzleFile;
    QTest::newRow("proverbs") << proverbFile;
}

void TestShippedData::filesAreWindows1252WithCrLfLines()
{
    QFETCH(QString, name);
    const TextLines text = readCrLfLines(sourceDataPath(name));
    QVERIFY2(text.fault.isEmpty(), qPrintable(name + QStringLiteral(": ") + text.fault));
    QVERIFY2(!text.lines.isEmpty(), qPrintable(name + QStringLiteral(" is empty")));
}

void TestShippedData::puzzleListStartsWithItsHeaderLines()
{
    const QByteArray bytes = readBytes(sourceDataPath(puzzleFile));
    QVERIFY(bytes.startsWith("Brovelt Software 2019\r\n----------\r\n"));
}

void TestShippedData::puzzleItemHasFiveCleanFields_data()
{
    QTest::addColumn<QString>("line");
    const QStringList lines = puzzleItemLines();
    for (int i = 0; i < lines.size(); ++i)
        QTest::addRow("line %d", i + 3) << lines.at(i);
}

void TestShippedData::puzzleItemHasFiveCleanFields()
{
    QFETCH(QString, line);
    QVERIFY2(!line.contains(QLatin1Char('"')), qPrintable(line));
    const QStringList fields = line.split(QLatin1Char(','));
    QVERIFY2(fields.size() == 5, qPrintable(QStringLiteral("%1 fields in: %2").arg(fields.size()).arg(line)));
    for (const QString &field : fields) {
        QVERIFY2(!field.trimmed().isEmpty(), qPrintable(QStringLiteral("blank field in: ") + line));
        QVERIFY2(field == field.trimmed(), qPrintable(QStringLiteral("field \"%1\" has blanks at an end in: %2").arg(field, line)));
    }
    const QString keyword = fields.first();
    for (int i = 1; i < 5; ++i) {
        QVERIFY2(!fields.at(i).contains(keyword, Qt::CaseInsensitive),
                 qPrintable(QStringLiteral("description \"%1\" gives away the keyword in: %2").arg(fields.at(i), line)));
    }
}

void TestShippedData::puzzleKeywordsDifferIgnoringCase()
{
    const QStringList lines = puzzleItemLines();
    QHash<QString, int> firstLine;
    for (int i = 0; i < lines.size(); ++i) {
        const QString keyword = lines.at(i).section(QLatin1Char(','), 0, 0).toLower();
        const int lineNumber = i + 3;
        QVERIFY2(!firstLine.contains(keyword),
                 qPrintable(QStringLiteral("keyword of line %1 repeats line %2: %3")
                                .arg(lineNumber).arg(firstLine.value(keyword)).arg(lines.at(i))));
        firstLine.insert(keyword, lineNumber);
    }
}

void TestShippedData::puzzleListFitsTheGame()
{
    // The editor refuses a 1000th row and the round builder draws row numbers up to 999.
    const qsizetype count = puzzleItemLines().size();
    QVERIFY2(count >= 500 && count <= 999, qPrintable(QStringLiteral("%1 items").arg(count)));
}

void TestShippedData::puzzleListReadsBackAsFieldsItemByItem()
{
    // The program reads the list as a stream of fields, five to a record, whatever the
    // line ends say; a stray quote or comma would shift every later record.
    const QStringList lines = puzzleItemLines();
    FieldReader reader(readBytes(sourceDataPath(puzzleFile)));
    QVERIFY(reader.line());
    QVERIFY(reader.line());
    for (int i = 0; i < lines.size(); ++i) {
        QStringList record;
        for (int f = 0; f < 5; ++f) {
            const std::optional<QString> field = reader.field();
            QVERIFY2(field.has_value(), qPrintable(QStringLiteral("file ends inside ") + located(i + 3, lines.at(i))));
            record.append(*field);
        }
        QVERIFY2(record.join(QLatin1Char(',')) == lines.at(i),
                 qPrintable(QStringLiteral("read back as \"%1\", ").arg(record.join(QLatin1Char(','))) + located(i + 3, lines.at(i))));
    }
    QVERIFY(reader.atEnd());
}

void TestShippedData::proverbLineHasSeparatorAndLeadIn_data()
{
    QTest::addColumn<QString>("line");
    const QStringList lines = proverbLines();
    for (int i = 0; i < lines.size(); ++i)
        QTest::addRow("line %d", i + 1) << lines.at(i);
}

void TestShippedData::proverbLineHasSeparatorAndLeadIn()
{
    QFETCH(QString, line);
    QVERIFY2(line.count(proverbSeparator) == 1, qPrintable(line));
    const QString proverb = line.section(proverbSeparator, 0, 0);
    const QString field = line.section(proverbSeparator, 1);
    QVERIFY2(!proverb.trimmed().isEmpty() && proverb == proverb.trimmed(), qPrintable(line));
    QVERIFY2(field.startsWith(meaningLeadIn), qPrintable(line));
    // The window drops the first 12 characters and capitalises what follows.
    const QString meaning = field.mid(12);
    QVERIFY2(!meaning.isEmpty() && meaning.at(0).isLower(), qPrintable(line));
    QVERIFY2(meaning == meaning.trimmed(), qPrintable(line));
}

void TestShippedData::proverbsAreManyAndDifferent()
{
    const QStringList lines = proverbLines();
    QVERIFY2(lines.size() >= 250, qPrintable(QStringLiteral("%1 lines").arg(lines.size())));
    QSet<QString> seen;
    for (int i = 0; i < lines.size(); ++i) {
        const QString proverb = lines.at(i).section(proverbSeparator, 0, 0).toLower();
        QVERIFY2(!seen.contains(proverb), qPrintable(QStringLiteral("repeated proverb, ") + located(i + 1, lines.at(i))));
        seen.insert(proverb);
    }
}

void TestShippedData::wordListHoldsLowerCaseWords()
{
    if (!QFile::exists(wordListPath()))
        QSKIP("the build made no word list");
    const TextLines text = readCrLfLines(wordListPath());
    QVERIFY2(text.fault.isEmpty(), qPrintable(text.fault));
    QVERIFY(!text.lines.isEmpty());
    // The search lower-cases its term and compares exactly, so any capital or blank
    // in the list hides a word from every search.
    for (int i = 0; i < text.lines.size(); ++i) {
        const QString &word = text.lines.at(i);
        QVERIFY2(!word.isEmpty() && word == word.trimmed() && word == word.toLower(),
                 qPrintable(located(i + 1, word)));
    }
}

QTEST_MAIN(TestShippedData)
#include "tst_shippeddata.moc"
