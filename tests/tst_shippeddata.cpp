#include "common/cp1252.h"
#include "game/textwriter.h"

#include <QCryptographicHash>
#include <QFile>
#include <QHash>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

// Guards the data files shipped with the program: the puzzle list and the proverbs in
// the source tree, and the word list made in the build's Data folder.
namespace {

const QString puzzlePath = QStringLiteral(RAADKWARTET_SOURCE_DIR "/data/Puzzel.lib");
const QString proverbPath = QStringLiteral(RAADKWARTET_SOURCE_DIR "/data/Spreekwoorden.lib");
const QString wordListPath = QStringLiteral(RAADKWARTET_DATA_DIR "/Nederlands.lib");

// The lines of a Windows-1252 file whose lines each end in CR LF; none when the file cannot
// be read, misses its last line end or was saved as UTF-8 (a byte order mark, or letters
// beyond ASCII that read as UTF-8).
QStringList readCrLfLines(const QString &path)
{
    QFile file(path);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const QString utf8 = QString::fromUtf8(bytes);
    if (bytes.startsWith("\xEF\xBB\xBF") || !bytes.endsWith("\r\n") || (utf8.size() < bytes.size() && utf8.toUtf8() == bytes))
        return {};
    return Cp1252::decode(bytes.chopped(2)).split(QStringLiteral("\r\n"));
}

// The lines of a UTF-8 text file beside this test, without comments and empty lines.
QStringList textLines(const char *name)
{
    QFile file(QStringLiteral(RAADKWARTET_SOURCE_DIR "/tests/") + name);
    const QString text = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    return text.split(u'\n').filter(QRegularExpression(QStringLiteral("^[^#]")));
}

// The entries of a table of shipped-data-words.txt.
QStringList table(const QString &name)
{
    static const QHash<QString, QStringList> tables = [] {
        QHash<QString, QStringList> read;
        QString current;
        for (const QString &line : textLines("shipped-data-words.txt"))
            line.startsWith(u'[') ? void(current = line.mid(1).chopped(1)) : read[current].append(line);
        return read;
    }();
    return tables.value(name);
}

// The words of a table of shipped-data-words.txt; the common words take in the colours.
QSet<QString> wordSet(const QString &name)
{
    const QStringList lines = table(name) + (name == "common" ? table("colours") : QStringList());
    const QStringList words = lines.join(u' ').split(u' ', Qt::SkipEmptyParts);
    return {words.cbegin(), words.cend()};
}

// The OpenTaal words the build put in its word list; none when it made no list.
const QSet<QString> &dictionaryWords()
{
    static const QStringList lines = readCrLfLines(wordListPath);
    static const QSet<QString> words(lines.cbegin(), lines.cend());
    return words;
}

// By lower-case keyword, its names in other languages (keyword-translations.txt) as one
// pattern: each a whole word, also with a plural s or es; one marked with * as the start of
// a word.
const QHash<QString, QRegularExpression> &translationsOfKeywords()
{
    static const QHash<QString, QRegularExpression> translations = [] {
        QHash<QString, QRegularExpression> read;
        for (const QString &line : textLines("keyword-translations.txt")) {
            QStringList names = line.section(QStringLiteral(": "), 1).toLower().split(u'|');
            for (QString &name : names)
                name = name.endsWith(u'*') ? QRegularExpression::escape(name.chopped(1))
                                           : QRegularExpression::escape(name) + "(e?s)?(?!\\p{L})";
            read.insert(line.section(QStringLiteral(": "), 0, 0).toLower(),
                        QRegularExpression("(?<!\\p{L})(" + names.join(u'|') + ')'));
        }
        return read;
    }();
    return translations;
}

// What gives a clue's keyword away, empty when nothing does. Every word of the keyword of four
// letters or more counts: the clue may hold neither its first four letters (lachen in glimlach,
// bruiloft in bruid) nor any five letters of it in a row (gedicht in dichter, schroevendraaier
// in draaien). A one-word keyword shorter than that may not open a word of the clue (ei in
// eieren), while it may stand inside one (ei in klein). Case does not count.
QString givenAway(const QString &keyword, const QString &clue)
{
    static const QRegularExpression gap(QStringLiteral("[ .'-]"));
    const QString text = clue.toLower();
    const QStringList words = keyword.toLower().split(gap, Qt::SkipEmptyParts);
    if (words.size() == 1 && words.first().size() < 4)
        return text.contains(QRegularExpression("(^|[ .'-])" + QRegularExpression::escape(words.first())))
            ? words.first() : QString();
    for (const QString &word : words)
        for (qsizetype i = 0; i + 5 <= word.size() + (i == 0); ++i) // the first four letters, then each five
            if (const QString piece = word.mid(i, i == 0 ? 4 : 5); text.contains(piece))
                return piece;
    return {};
}

// A name of the keyword in another language that the clue holds (Tintin for Kuifje, Meuse for
// Maas, pomodoro for tomaat).
QString translatedAway(const QString &keyword, const QString &clue)
{
    return translationsOfKeywords().value(keyword.toLower()).match(clue.toLower()).captured();
}

// Where a clue splits a compound the Groene Boekje writes as one word: with a hyphen between two
// lower-case words of three letters or more that the word list does not join that way, that
// do not clash vowels (piano-uurtje) and are neither a colour pair nor a word said twice
// (pest-overbrenger, sous-chef, but rood-blauwe, divi-divi), with a blank where the word list
// has the joined word (dik gedrukt), or in a form met before.
QString splitCompound(const QString &, const QString &clue)
{
    static const QRegularExpression wrongForms(table("wrong forms").join(u'|'));
    static const QStringList rightSplits = table("right splits");
    static const QSet<QString> colours = wordSet("colours"), common = wordSet("common");
    static const QStringList clashes = QStringLiteral("aa ae ai au ee ei eu ie ii ij oe oi oo ou ue ui uu").split(u' ');
    static const QRegularExpression word(QStringLiteral("[\\p{L}\\p{N}'-]+")), lowerCase(QStringLiteral("^\\p{Ll}{3,}$"));
    const QSet<QString> &dictionary = dictionaryWords();
    const auto joinable = [&](const QString &left, const QString &right, QChar between) {
        return lowerCase.match(left).hasMatch() && lowerCase.match(right).hasMatch()
            && !rightSplits.contains(left + between + right);
    };
    QStringList why;
    for (auto it = wrongForms.globalMatch(clue); it.hasNext();)
        why << it.next().captured();
    for (auto it = word.globalMatch(clue); it.hasNext();) {
        const QString compound = it.next().captured();
        const QStringList parts = compound.split(u'-');
        for (qsizetype i = 0; i + 1 < parts.size() && !dictionary.contains(compound); ++i) {
            const QString &left = parts.at(i), &right = parts.at(i + 1);
            if (joinable(left, right, u'-') && !dictionary.contains(left + u'-' + right) && left != right
                && !clashes.contains(QString(left.back()) + right.front())
                && !(colours.contains(left) && colours.contains(right)))
                why << left + u'-' + right;
        }
    }
    const QStringList blanks = clue.split(u' ');
    for (qsizetype i = 0; i + 1 < blanks.size(); ++i) {
        const QString &left = blanks.at(i), &right = blanks.at(i + 1);
        if (joinable(left, right, u' ') && !common.contains(left) && !common.contains(right)
            && dictionary.contains(left + right))
            why << left + right;
    }
    why.removeDuplicates();
    return why.join(", ");
}

// "keyword: clue (why)" for each clue the check finds a fault in.
template<QString (*check)(const QString &keyword, const QString &clue)>
QStringList eachClue(const QList<QStringList> &items)
{
    QStringList faults;
    for (const QStringList &item : items)
        for (const QString &clue : item.mid(1))
            if (const QString why = check(item.first(), clue); !why.isEmpty())
                faults << item.first() + ": " + clue + " (" + why + ")";
    return faults;
}

// Words of five letters or more, other than common ones, that stand in the clues of more than
// one item: knaagdier and knaagdiertje, slagroom, op toast. A run of capitalised words is one
// name (André Rieu and André Kuipers share no word).
QStringList repeatedClueWords(const QList<QStringList> &items)
{
    static const QSet<QString> common = wordSet("common");
    static const QRegularExpression word(QStringLiteral("\\p{Lu}[\\p{L}\\p{N}'-]*(\\P{L}+\\p{Lu}[\\p{L}\\p{N}'-]*)*"
                                                        "|\\p{L}[\\p{L}\\p{N}'-]*"));
    QMap<QString, QMap<QString, QString>> usesOfWord; // word, then keyword and its clue
    for (const QStringList &item : items)
        for (const QString &clue : item.mid(1))
            for (auto it = word.globalMatch(clue); it.hasNext();)
                if (const QString found = it.next().captured().toLower(); found.size() >= 5 && !common.contains(found))
                    usesOfWord[found].insert(item.first(), clue);
    // A plural or diminutive counts as its stem when the stem is a clue word too.
    for (const QString &found : usesOfWord.keys())
        for (const QString ending : {"en", "s", "n", "tje", "je"})
            if (found.endsWith(ending) && usesOfWord.contains(found) && usesOfWord.contains(found.chopped(ending.size())))
                usesOfWord[found.chopped(ending.size())].insert(usesOfWord.take(found));
    QStringList faults;
    for (auto it = usesOfWord.cbegin(); it != usesOfWord.cend(); ++it)
        if (it.value().size() > 1)
            faults << it.key() + ": " + it.value().keys().join(" / ") + " (" + it.value().values().join(" / ") + ")";
    return faults;
}

// A round shows twelve clues: items that share two clues, or a clue that stands on more than
// four items, leave the player guessing which keyword is meant.
QStringList sharedClues(const QList<QStringList> &items)
{
    QHash<QString, QList<int>> itemsOfClue;
    for (int n = 0; n < items.size(); ++n)
        for (const QString &clue : items.at(n).mid(1))
            itemsOfClue[clue.toLower()].append(n);
    QStringList faults;
    QHash<QPair<int, int>, int> shared;
    for (auto it = itemsOfClue.cbegin(); it != itemsOfClue.cend(); ++it) {
        const QList<int> &on = it.value();
        if (on.size() > 4)
            faults << it.key() + QStringLiteral(": on %1 items").arg(on.size());
        for (int a = 0; a < on.size(); ++a)
            for (int b = a + 1; b < on.size(); ++b)
                if (++shared[qMakePair(on.at(a), on.at(b))] == 2)
                    faults << items.at(on.at(a)).first() + " / " + items.at(on.at(b)).first();
    }
    return faults;
}

using EditorialCheck = QStringList (*)(const QList<QStringList> &items);
const EditorialCheck s_editorialChecks[] = {eachClue<givenAway>, eachClue<translatedAway>, eachClue<splitCompound>,
                                            repeatedClueWords, sharedClues};
enum { GiveAways, Translations, Compounds, Repeats, Shared };

} // namespace

class TestShippedData : public QObject
{
    Q_OBJECT
private slots:
    void filesAreSoundLongAndWithoutRepeats_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("header");
        QTest::addColumn<QList<int>>("count"); // least and most lines after the header
        QTest::addColumn<QString>("keyEnd"); // a line's key (keyword, proverb, word) ends here
        QTest::addColumn<QString>("form"); // what every line after the header matches
        QTest::addColumn<QStringList>("keys"); // among the keys
        // The editor refuses a 1000th puzzle and the round builder draws row numbers up to 999.
        // The program reads quoted, comma-separated fields: a quote or comma too many shifts every
        // later item. Longer texts than 19 for a keyword and 22 for a clue no longer fit the letter
        // tiles row and a board slot at the large font; no field has a blank around it.
        const QString field = QStringLiteral("(?!\\p{Z})[^,\"]{1,%1}(?<!\\p{Z})");
        QTest::newRow("puzzles") << puzzlePath << QStringList{"Brovelt Software 2019", "----------"}
                                 << QList<int>{800, 999} << "," << "^" + field.arg(19) + "(," + field.arg(22) + "){4}$"
                                 << QStringList();
        // The proverb list splits each line at its first separator and shows the meaning after the lead-in.
        QTest::newRow("proverbs") << proverbPath << QStringList() << QList<int>{350, INT_MAX} << " -/- "
                                  << "^((?! -/- ).)+ -/- Betekenis : ((?! -/- ).)+$" << QStringList();
        // The search lower-cases its term and compares exactly, so any capital or outer blank
        // hides a word from every search; the accents show the list's code page was read right.
        QTest::newRow("word list") << wordListPath << QStringList() << QList<int>{100000, INT_MAX} << "\r"
                                   << "^[^ \\p{Lu}]+( [^ \\p{Lu}]+)*$"
                                   << QStringList{"kwartet", "raad", "caf\u00e9", "\u00e9\u00e9n", "re\u00fcnie"};
    }
    void filesAreSoundLongAndWithoutRepeats()
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
            QVERIFY2(++seen[item.section(keyEnd, 0, 0).toLower()] == 1, qPrintable("repeated: " + item));
        }
        for (const QString &key : keys)
            QVERIFY2(seen.contains(key), qPrintable(key));
    }

    // The shipped list is among the lists Puzzel.versies names, so a later version knows a
    // player's copy of it for one the player never changed (scripts/puzzle-versions.sh).
    void shippedListIsAmongTheVersions()
    {
        const QByteArray list = readWholeFile(RAADKWARTET_DATA_DIR "/Puzzel.lib").value_or(QByteArray());
        const QByteArray versions = readWholeFile(RAADKWARTET_DATA_DIR "/Puzzel.versies").value_or(QByteArray());
        QVERIFY(!list.isEmpty());
        QVERIFY2(versions.split('\n').contains(QCryptographicHash::hash(list, QCryptographicHash::Sha256).toHex()),
                 "run scripts/puzzle-versions.sh after changing data/Puzzel.lib");
    }

    // Each check on made-up items (a row per case; "faults": how many it reports), then on the
    // shipped list, which must pass them all.
    void editorialChecks_data()
    {
        QTest::addColumn<int>("check");
        QTest::addColumn<QStringList>("lines"); // empty: the shipped list
        QTest::addColumn<int>("faults");
        const auto row = [](const char *name, int check, const QStringList &lines, int faults) {
            QTest::newRow(name) << check << lines << faults;
        };
        row("keyword given away", GiveAways, {"gedicht,dichter", "lachen,Glimlach", "Den Haag,Haagse bluf", "ei,eieren zoeken"}, 4);
        row("keyword not given away", GiveAways, {"ei,klein", "kaas,Alkmaar", "Van Gogh,Vincent van Dijk"}, 0);
        row("translation in a name, with a plural s, opening a word", Translations,
            {"Kuifje,Tintin en Milou", "raam,Windows", "nijlpaard,hippopotamus"}, 3);
        row("short translation inside a word, another keyword's", Translations, {"kat,chatten,catwalk", "aap,Meuse"}, 0);
        row("hyphen between two words, in a sound or a colour", Compounds, {"vlo,pest-overbrenger,sous-chef", "bel,ding-dong,rood-borstje"}, 4);
        row("hyphen the rules ask for", Compounds,
            {"zee,piano-uurtje,zwart-wit,dt-fout,Apenheul-stad,noord- en zuidpool,rood-blauwe,divi-divi"}, 0);
        row("compound split by a blank, free phrases, a form met before", Compounds,
            {"vet,dik gedrukt,chocolade korrels", "ree,schrikt snel weg,rood geel groen,met een boot,Mr. Bean,Mr. voor de naam,"
                                                 "heet ten onrechte,Latijn voor kamer,tand des tijds"}, 3);
        row("word and its diminutive", Repeats, {"hamster,knaagdiertje", "eekhoorn,knaagdier"}, 1);
        row("first names, common and short words, a word on one item twice", Repeats,
            {"viool,André Rieu", "astronaut,André Kuipers", "kraai,zwarte veren,op toast,erdoor,5 april,kort in het Engels",
             "das,zwarte kop,op brood,erdoor,april,Engels", "zalm,gerookt,gerookt of rauw"}, 0);
        // Four items may share a clue, two items one clue.
        row("a clue on five items, two items sharing two", Shared,
            {"a,x,y,1", "b,x,Y,2", "c,x,3,4", "d,x,5,6", "e,5,6,x"}, 3);
        row("a clue on four items, items sharing one", Shared, {"a,x,y", "b,x,z", "c,x,1", "d,x,2", "e,y,z"}, 0);
        row("puzzle list: no keyword given away", GiveAways, {}, 0);
        row("puzzle list: no keyword in another language", Translations, {}, 0);
        row("puzzle list: compounds as one word", Compounds, {}, 0);
        row("puzzle list: no clue word on two items", Repeats, {}, 0);
        row("puzzle list: no clue on many items, no two items alike", Shared, {}, 0);
    }
    void editorialChecks()
    {
        QFETCH(int, check);
        QFETCH(QStringList, lines);
        QFETCH(int, faults);
        if (check == Compounds && dictionaryWords().isEmpty())
            QSKIP("the build made no word list");
        QList<QStringList> items; // each the keyword, then its clues
        for (const QString &line : lines.isEmpty() ? readCrLfLines(puzzlePath).mid(2) : lines)
            items << line.split(u',');
        // A table that no longer meets the list's keywords would pass any list.
        const auto known = std::count_if(items.cbegin(), items.cend(), [](const QStringList &item) {
            return translationsOfKeywords().contains(item.first().toLower());
        });
        QVERIFY2(!lines.isEmpty() || check != Translations || known >= 60, qPrintable(QString::number(known)));
        // One line each, as a failure message would be cut short.
        const QStringList found = s_editorialChecks[check](items);
        for (const QString &fault : found)
            qInfo().noquote() << fault;
        QVERIFY2(found.size() == faults, qPrintable(QString::number(found.size()) + " faults, listed above"));
    }
};

QTEST_MAIN(TestShippedData)
#include "tst_shippeddata.moc"
