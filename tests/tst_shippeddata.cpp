#include "common/cp1252.h"

#include <algorithm>

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
// be read, starts with a byte order mark or misses its last line end.
QStringList readCrLfLines(const QString &path)
{
    QFile file(path);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (bytes.startsWith("\xEF\xBB\xBF") || !bytes.endsWith("\r\n"))
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

// The keywords' names in other languages, by lower-case keyword (keyword-translations.txt).
const QHash<QString, QStringList> &translationsOfKeywords()
{
    static const QHash<QString, QStringList> translations = [] {
        QHash<QString, QStringList> read;
        for (const QString &line : textLines("keyword-translations.txt"))
            if (const qsizetype colon = line.indexOf(QStringLiteral(": ")); colon > 0)
                read.insert(line.left(colon).toLower(), line.mid(colon + 2).toLower().split(u'|'));
        return read;
    }();
    return translations;
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

// Each item: its keyword, then its clues.
QList<QStringList> puzzleItems(const QStringList &lines)
{
    QList<QStringList> items;
    std::transform(lines.cbegin(), lines.cend(), std::back_inserter(items), [](const QString &line) { return line.split(u','); });
    return items;
}

// Clues that give their item's keyword away.
QStringList giveAways(const QList<QStringList> &items)
{
    QStringList faults;
    for (const QStringList &item : items)
        for (const QString &clue : item.mid(1))
            if (givesAway(item.first(), clue))
                faults << item.first() + ": " + clue;
    return faults;
}

// Items whose clue holds a name of the keyword in another language (Tintin for Kuifje,
// Meuse for Maas, pomodoro for tomaat); one marked with * matches as the start of a word.
QStringList translatedGiveAways(const QList<QStringList> &items)
{
    QStringList faults;
    for (const QStringList &item : items) {
        for (QString translation : translationsOfKeywords().value(item.first().toLower())) {
            const bool asStart = translation.endsWith(u'*');
            translation.remove(u'*');
            const QRegularExpression named("(?<!\\p{L})" + QRegularExpression::escape(translation)
                                           + (asStart ? "" : "(e?s)?(?!\\p{L})"));
            for (const QString &clue : item.mid(1))
                if (named.match(clue.toLower()).hasMatch())
                    faults << item.first() + ": " + clue + " (" + translation + ")";
        }
    }
    return faults;
}

// Clues that split a compound the Groene Boekje writes as one word: with a hyphen between two
// lower-case words of three letters or more that the word list does not join that way, that
// do not clash vowels (piano-uurtje) and are neither a colour pair nor a word said twice
// (pest-overbrenger, sous-chef, but rood-blauwe, divi-divi), with a blank where the word list
// has the joined word (dik gedrukt), or in a form met before.
QStringList splitCompounds(const QList<QStringList> &items)
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
    QStringList faults;
    for (const QStringList &item : items) {
        for (const QString &clue : item.mid(1)) {
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
            if (!why.isEmpty())
                faults << item.first() + ": " + clue + " (" + why.join(", ") + ")";
        }
    }
    return faults;
}

// The words of a clue in lower case; a run of capitalised words is one name (André Rieu and
// André Kuipers share no word).
QStringList clueWords(const QString &clue)
{
    static const QRegularExpression word(QStringLiteral("\\p{L}[\\p{L}\\p{N}'-]*"));
    QStringList words, name;
    const auto endName = [&] {
        if (!name.isEmpty())
            words << name.join(u' ').toLower();
        name.clear();
    };
    for (auto it = word.globalMatch(clue); it.hasNext();) {
        const QString found = it.next().captured();
        found.front().isUpper() ? void(name << found) : (endName(), void(words << found));
    }
    endName();
    return words;
}

// Words of five letters or more, other than common ones, that stand in the clues of more than
// one item: knaagdier and knaagdiertje, slagroom, op toast. A plural or diminutive counts as its
// stem when the stem is a clue word too.
QStringList repeatedClueWords(const QList<QStringList> &items)
{
    static const QSet<QString> common = wordSet("common");
    QSet<QString> vocabulary;
    for (const QStringList &item : items)
        for (const QString &clue : item.mid(1))
            for (const QString &word : clueWords(clue))
                vocabulary.insert(word);
    const auto stem = [&vocabulary](const QString &word) {
        for (const QString &ending : QStringList{"en", "s", "n", "tje", "je"})
            if (word.size() >= ending.size() + 5 && word.endsWith(ending) && vocabulary.contains(word.chopped(ending.size())))
                return word.chopped(ending.size());
        return word;
    };
    QMap<QString, QMap<QString, QString>> usesOfWord; // word, then keyword and its clue
    for (const QStringList &item : items)
        for (const QString &clue : item.mid(1))
            for (const QString &word : clueWords(clue))
                if (word.size() >= 5 && !common.contains(word))
                    usesOfWord[stem(word)].insert(item.first(), clue);
    QStringList faults;
    for (auto it = usesOfWord.cbegin(); it != usesOfWord.cend(); ++it) {
        QStringList uses;
        for (auto use = it.value().cbegin(); use != it.value().cend(); ++use)
            uses << use.key() + " (" + use.value() + ")";
        if (uses.size() > 1)
            faults << it.key() + ": " + uses.join(" / ");
    }
    return faults;
}

using EditorialCheck = QStringList (*)(const QList<QStringList> &items);
const EditorialCheck s_editorialChecks[] = {giveAways, translatedGiveAways, splitCompounds, repeatedClueWords};
enum { GiveAways, Translations, Compounds, Repeats };

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
        // The program reads quoted, comma-separated fields: a quote or comma too many shifts every later item.
        QTest::newRow("puzzles") << puzzlePath << QStringList{"Brovelt Software 2019", "----------"}
                                 << QList<int>{800, 999} << "," << "^[^,\"]+(,[^,\"]+){4}$" << QStringList();
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

    // Longer texts no longer fit the letter tiles row and a board slot at the large font.
    // A round shows twelve clues; items that share clues, or a clue that stands on many
    // items, leave the player guessing which keyword is meant.
    void puzzleItemsAreFairClues()
    {
        const QList<QStringList> items = puzzleItems(readCrLfLines(puzzlePath).mid(2));
        QHash<QString, QList<int>> itemsOfClue;
        for (int n = 0; n < items.size(); ++n) {
            const QStringList &item = items[n];
            for (int i = 0; i < item.size(); ++i) {
                QVERIFY2(item[i] == item[i].trimmed() && item[i].size() <= (i == 0 ? 19 : 22), qPrintable(item.join(u',')));
                if (i > 0)
                    itemsOfClue[item[i].toLower()].append(n);
            }
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
        row("puzzle list: no keyword given away", GiveAways, {}, 0);
        row("puzzle list: no keyword in another language", Translations, {}, 0);
        row("puzzle list: compounds as one word", Compounds, {}, 0);
        row("puzzle list: no clue word on two items", Repeats, {}, 0);
    }
    void editorialChecks()
    {
        QFETCH(int, check);
        QFETCH(QStringList, lines);
        QFETCH(int, faults);
        if (check == Compounds && dictionaryWords().isEmpty())
            QSKIP("the build made no word list");
        const QList<QStringList> items = puzzleItems(lines.isEmpty() ? readCrLfLines(puzzlePath).mid(2) : lines);
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
