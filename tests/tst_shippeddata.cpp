#include "common/cp1252.h"

#include <QFile>
#include <QRegularExpression>
#include <QHash>
#include <QTest>

// Guards the data files shipped with the program: the puzzle list and the proverbs in
// the source tree, and the word list made in the build's Data folder.
namespace {

// The lines of a Windows-1252 file whose lines each end in CR LF; none when the file cannot
// be read, starts with a byte order mark or misses its last line end.
QStringList readCrLfLines(const QString &path)
{
    QFile file(path);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (bytes.startsWith("\xEF\xBB\xBF") || !bytes.endsWith("\r\n"))
        return {};
    return Cp1252::decode(bytes.chopped(2)).split(QStringLiteral("\r\n"));
}

// Whether a clue gives its keyword away. Every word of the keyword of four letters or more
// counts: the clue may hold neither its first four letters (lachen in glimlach, bruiloft in
// bruid) nor any five letters of it in a row (gedicht in dichter, schroevendraaier in
// draaien). A one-word keyword shorter than that may not open a word of the clue (ei in
// eieren), while it may stand inside one (ei in klein). Case does not count.
bool givesAway(const QString &keyword, const QString &clue)
{
    static const QRegularExpression gap(QStringLiteral("[ .'-]"));
    const QString text = clue.toLower();
    const QStringList words = keyword.toLower().split(gap, Qt::SkipEmptyParts);
    if (words.size() == 1 && words.first().size() < 4)
        return text.contains(QRegularExpression("(^|[ .'-])" + QRegularExpression::escape(words.first())));
    for (const QString &word : words) {
        if (word.size() >= 4 && text.contains(word.left(4)))
            return true;
        for (qsizetype i = 0; i + 5 <= word.size(); ++i)
            if (text.contains(word.mid(i, 5)))
                return true;
    }
    return false;
}

const QString puzzlePath = QStringLiteral(RAADKWARTET_SOURCE_DIR "/data/Puzzel.lib");
const QString proverbPath = QStringLiteral(RAADKWARTET_SOURCE_DIR "/data/Spreekwoorden.lib");
const QString wordListPath = QStringLiteral(RAADKWARTET_DATA_DIR "/Nederlands.lib");

} // namespace

class TestShippedData : public QObject
{
    Q_OBJECT
private slots:
    void filesAreSoundLongAndWithoutRepeats_data();
    void filesAreSoundLongAndWithoutRepeats();
    void giveAwayRule_data();
    void giveAwayRule();
    void puzzleItemsAreFairClues();
};

void TestShippedData::filesAreSoundLongAndWithoutRepeats_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("header");
    QTest::addColumn<QList<int>>("count"); // least and most lines after the header
    QTest::addColumn<QString>("keyEnd"); // a line's key (keyword, proverb, word) ends here
    QTest::addColumn<QString>("form"); // what every line after the header matches
    QTest::addColumn<QStringList>("keys"); // among the keys
    // The editor refuses a 1000th puzzle and the round builder draws row numbers up to 999.
    // The program reads quoted, comma-separated fields: a quote or comma too many shifts every later item.
    QTest::newRow("puzzles") << puzzlePath << QStringList{"Brovelt Software 2019", "----------"} << QList<int>{800, 999}
                             << "," << R"(^[^,"]+(,[^,"]+){4}$)" << QStringList();
    // The proverb list splits each line at its first separator and shows the meaning after the lead-in.
    QTest::newRow("proverbs") << proverbPath << QStringList() << QList<int>{350, INT_MAX} << " -/- "
                              << "^((?! -/- ).)+ -/- Betekenis : ((?! -/- ).)+$" << QStringList();
    // The search lower-cases its term and compares exactly, so any capital or outer blank
    // hides a word from every search; the accents show the list's code page was read right.
    QTest::newRow("word list") << wordListPath << QStringList() << QList<int>{100000, INT_MAX} << "\r"
                               << "^[^ \\p{Lu}]+( [^ \\p{Lu}]+)*$"
                               << QStringList{"kwartet", "raad", "caf\u00e9", "\u00e9\u00e9n", "re\u00fcnie"};
}

void TestShippedData::filesAreSoundLongAndWithoutRepeats()
{
    QFETCH(QString, path);
    QFETCH(QStringList, header);
    QFETCH(QList<int>, count);
    QFETCH(QString, keyEnd);
    QFETCH(QString, form);
    QFETCH(QStringList, keys);
    if (path == wordListPath && !QFile::exists(path))
        QSKIP("the build made no word list");
    const QStringList lines = readCrLfLines(path);
    QCOMPARE(lines.mid(0, header.size()), header);
    const QStringList items = lines.mid(header.size());
    QVERIFY2(items.size() >= count[0] && items.size() <= count[1], qPrintable(QString::number(items.size())));
    // Any control character (a lone CR or LF, the C1 range the code page leaves undefined) is a fault.
    static const QRegularExpression control(QStringLiteral("[\\x{0}-\\x{1F}\\x{7F}-\\x{9F}]"));
    const QRegularExpression shape(form);
    QHash<QString, int> seen;
    for (const QString &item : items) {
        QVERIFY2(shape.match(item).hasMatch() && !item.contains(control), qPrintable(item));
        QVERIFY2(++seen[item.section(keyEnd, 0, 0).toLower()] == 1, qPrintable(QStringLiteral("repeated: ") + item));
    }
    for (const QString &key : keys)
        QVERIFY2(seen.contains(key), qPrintable(key));
}

void TestShippedData::giveAwayRule_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QString>("clue");
    QTest::addColumn<bool>("givesAway");
    QTest::newRow("gedicht, dichter") << "gedicht" << "dichter" << true;
    QTest::newRow("lachen, glimlach") << "lachen" << "Glimlach" << true;
    QTest::newRow("second word") << "Den Haag" << "Haagse bluf" << true;
    QTest::newRow("short, opens a word") << "ei" << "eieren zoeken" << true;
    QTest::newRow("short, inside a word") << "ei" << "klein" << false;
    QTest::newRow("three shared letters") << "kaas" << "Alkmaar" << false;
    QTest::newRow("short word of a name") << "Van Gogh" << "Vincent van Dijk" << false;
}

void TestShippedData::giveAwayRule()
{
    QFETCH(QString, keyword);
    QFETCH(QString, clue);
    QFETCH(bool, givesAway);
    QCOMPARE(::givesAway(keyword, clue), givesAway);
}

void TestShippedData::puzzleItemsAreFairClues()
{
    // Longer texts no longer fit the letter tiles row and a board slot at the large font.
    // A round shows twelve clues; items that share clues, or a clue that stands on many
    // items, leave the player guessing which keyword is meant.
    QList<QStringList> items;
    QHash<QString, QList<int>> itemsOfClue;
    for (const QString &line : readCrLfLines(puzzlePath).mid(2)) {
        const QStringList item = line.split(u',');
        for (int i = 0; i < item.size(); ++i) {
            QVERIFY2(item[i] == item[i].trimmed() && item[i].size() <= (i == 0 ? 19 : 22), qPrintable(line));
            QVERIFY2(i == 0 || !givesAway(item[0], item[i]), qPrintable(line));
            if (i > 0)
                itemsOfClue[item[i].toLower()].append(int(items.size()));
        }
        items.append(item);
    }
    QHash<QPair<int, int>, int> shared;
    for (auto it = itemsOfClue.cbegin(); it != itemsOfClue.cend(); ++it) {
        const QList<int> &on = it.value();
        QVERIFY2(on.size() <= 4, qPrintable(it.key()));
        for (int a = 0; a < on.size(); ++a)
            for (int b = a + 1; b < on.size(); ++b)
                QVERIFY2(++shared[qMakePair(on.at(a), on.at(b))] < 2,
                         qPrintable(items.at(on.at(a)).first() + " / " + items.at(on.at(b)).first()));
    }
}

QTEST_MAIN(TestShippedData)
#include "tst_shippeddata.moc"
