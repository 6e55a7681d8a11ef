#include "common/cp1252.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

// Guards the data files shipped with the program: the puzzle list and the proverbs in
// the source tree, and the word list made in the build's Data folder.
namespace {

struct TextLines
{
    QStringList lines;
    QString fault; // the first thing wrong with the file; empty when it is sound
};

// Reads a Windows-1252 file whose lines each end in CR LF. A byte order mark, a missing
// last line end, a lone CR or LF and any other control character (the C1 range the code
// page leaves undefined included) are faults.
TextLines readCrLfLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, QStringLiteral("cannot open ") + path};
    const QByteArray bytes = file.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF") || !bytes.endsWith("\r\n"))
        return {{}, QStringLiteral("a byte order mark, or no CR LF at the end")};
    const QStringList lines = Cp1252::decode(bytes.chopped(2)).split(QStringLiteral("\r\n"));
    static const QRegularExpression control(QStringLiteral("[\\x{0}-\\x{1F}\\x{7F}-\\x{9F}]"));
    for (int i = 0; i < lines.size(); ++i)
        if (lines.at(i).contains(control))
            return {{}, QStringLiteral("control character (or lone CR or LF) in line %1: %2").arg(i + 1).arg(lines.at(i))};
    return {lines, {}};
}

const QString puzzlePath = QStringLiteral(RAADKWARTET_SOURCE_DIR "/data/Puzzel.lib");
const QString wordListPath = QStringLiteral(RAADKWARTET_DATA_DIR "/Nederlands.lib");

} // namespace

class TestShippedData : public QObject
{
    Q_OBJECT
private slots:
    void filesAreSoundLongAndWithoutRepeats_data();
    void filesAreSoundLongAndWithoutRepeats();
    void puzzleItemsHaveFiveCleanFields();
    void wordListHoldsLowerCaseWords();
};

void TestShippedData::filesAreSoundLongAndWithoutRepeats_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("header");
    QTest::addColumn<int>("least");
    QTest::addColumn<int>("most");
    QTest::addColumn<QString>("keyEnd"); // a line's key (keyword, proverb, word) ends here
    // The editor refuses a 1000th puzzle and the round builder draws row numbers up to 999.
    QTest::newRow("puzzles") << puzzlePath << QStringList{"Brovelt Software 2019", "----------"} << 500 << 999 << ",";
    QTest::newRow("proverbs") << QStringLiteral(RAADKWARTET_SOURCE_DIR "/data/Spreekwoorden.lib") << QStringList() << 250
                              << INT_MAX << " -/- ";
    QTest::newRow("word list") << wordListPath << QStringList() << 100000 << INT_MAX << "\r";
}

void TestShippedData::filesAreSoundLongAndWithoutRepeats()
{
    QFETCH(QString, path);
    QFETCH(QStringList, header);
    QFETCH(int, least);
    QFETCH(int, most);
    QFETCH(QString, keyEnd);
    if (path == wordListPath && !QFile::exists(path))
        QSKIP("the build made no word list");
    const TextLines text = readCrLfLines(path);
    QVERIFY2(text.fault.isEmpty(), qPrintable(text.fault));
    QCOMPARE(text.lines.mid(0, header.size()), header);
    const QStringList items = text.lines.mid(header.size());
    QVERIFY2(items.size() >= least && items.size() <= most, qPrintable(QString::number(items.size())));
    QSet<QString> keys;
    for (const QString &item : items) {
        const QString key = item.section(keyEnd, 0, 0).toLower();
        QVERIFY2(!keys.contains(key), qPrintable(QStringLiteral("repeated: ") + item));
        keys.insert(key);
    }
}

void TestShippedData::puzzleItemsHaveFiveCleanFields()
{
    // The program reads quoted, comma-separated fields: a quote or comma too many shifts every later item.
    for (const QString &line : readCrLfLines(puzzlePath).lines.mid(2)) {
        const QStringList fields = line.split(QLatin1Char(','));
        QVERIFY2(fields.size() == 5, qPrintable(line));
        for (const QString &field : fields)
            QVERIFY2(!field.isEmpty() && field == field.trimmed() && !field.contains(QLatin1Char('"')), qPrintable(line));
    }
}

void TestShippedData::wordListHoldsLowerCaseWords()
{
    if (!QFile::exists(wordListPath))
        QSKIP("the build made no word list");
    // The search lower-cases its term and compares exactly, so any capital or blank
    // in the list hides a word from every search.
    const QStringList words = readCrLfLines(wordListPath).lines;
    for (const QString &word : words)
        QVERIFY2(!word.isEmpty() && word == word.trimmed() && word == word.toLower(), qPrintable(word));
    for (const char *word : {"kwartet", "raad", "caf\xC3\xA9", "\xC3\xA9\xC3\xA9n", "re\xC3\xBCnie"})
        QVERIFY2(words.contains(QString::fromUtf8(word)), word);
}

QTEST_MAIN(TestShippedData)
#include "tst_shippeddata.moc"
