#include "common/cp1252.h"

#include <algorithm>

#include <QFile>
#include <QMap>
#include <QSet>
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
const QString translationsPath = QStringLiteral(RAADKWARTET_SOURCE_DIR "/tests/keyword-translations.txt");

// Each item: its keyword, then its clues.
QList<QStringList> puzzleItems(const QStringList &lines)
{
    QList<QStringList> items;
    for (const QString &line : lines)
        items.append(line.split(u','));
    return items;
}

// The keywords' names in other languages, by lower-case keyword.
QHash<QString, QStringList> translationsOfKeywords()
{
    QFile file(translationsPath);
    QHash<QString, QStringList> translations;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return translations;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        const qsizetype colon = line.indexOf(QStringLiteral(": "));
        if (!line.startsWith(u'#') && colon > 0)
            translations.insert(line.left(colon).toLower(), line.mid(colon + 2).toLower().split(u'|'));
    }
    return translations;
}

// The OpenTaal words the build put in its word list; none when it made no list.
const QSet<QString> &dictionaryWords()
{
    static const QSet<QString> words = [] {
        const QStringList lines = readCrLfLines(wordListPath);
        return QSet<QString>(lines.cbegin(), lines.cend());
    }();
    return words;
}

// Colours and their inflected forms; two of them joined by a hyphen are a colour pair (rood-blauwe).
const QSet<QString> &colourWords()
{
    static const QSet<QString> words = [] {
        const QStringList list = QStringLiteral("groen groene geel gele rood rode blauw blauwe zwart zwarte wit witte "
                                                "grijs grijze bruin bruine paars paarse roze oranje").split(u' ');
        return QSet<QString>(list.cbegin(), list.cend());
    }();
    return words;
}

// Words too common to count as a clue's idea: function words, light verbs, colours, sizes,
// numbers, units, months, languages and adjectives of nationality. Two clues that share only
// these do not repeat each other, and two of these side by side are no split compound either
// (heet ten onrechte, Latijn voor kamer, tand des tijds).
const QSet<QString> &commonWords()
{
    static const QSet<QString> words = [] {
        const QString text = QStringLiteral(
            "aan achter alleen altijd ander andere anders boven buiten door eerst erbij ernaast erop eruit erin "
            "eraan ervan erdoor eigen dicht voor ten des ter "
            "onder over tegen tussen zonder terug welke waarin waar wordt worden hebben heeft kunnen "
            "moeten zullen willen gaan gaat komen komt maken maakt laten laat staan staat zitten liggen ligt "
            "houden houdt zetten leggen geven geeft krijgen krijgt trekken vallen lopen een van der met jij bent "
            "lange korte grote kleine klein groot grootste kleinste hoogste oudste nieuw "
            "nieuwe halve dubbel dubbele harde zachte zacht platte ronde eerste tweede derde vierde vijfde "
            "laatste zes zeven acht negen twaalf twintig dertig veertig vijftig honderd duizend miljoen meter "
            "liter kilometer graden minuten dagen januari februari maart april juni juli augustus september "
            "oktober november december nederlands nederlandse hollands hollandse engels frans duits latijn "
            "franse engelse duitse spaanse italiaanse chinese japanse griekse amerikaanse");
        const QStringList list = text.split(u' ');
        return QSet<QString>(list.cbegin(), list.cend()).unite(colourWords());
    }();
    return words;
}

// Items whose clue holds a name of the keyword in another language (Tintin for Kuifje,
// Meuse for Maas, pomodoro for tomaat).
QStringList translatedGiveAways(const QList<QStringList> &items)
{
    static const QHash<QString, QStringList> translations = translationsOfKeywords();
    QStringList faults;
    for (const QStringList &item : items) {
        for (QString translation : translations.value(item.first().toLower())) {
            const bool asStart = translation.endsWith(u'*');
            if (asStart)
                translation.chop(1);
            const QRegularExpression named("(?<!\\p{L})" + QRegularExpression::escape(translation)
                                           + (asStart ? "" : "(e?s)?(?!\\p{L})"));
            for (const QString &clue : item.mid(1))
                if (named.match(clue.toLower()).hasMatch())
                    faults << item.first() + ": " + clue + " (" + translation + ")";
        }
    }
    return faults;
}

// Letters where a compound's parts meet that would read as one vowel: there the parts take a hyphen.
bool vowelsClash(const QString &left, const QString &right)
{
    static const QStringList clashes = QStringLiteral("aa ae ai au ee ei eu ie ii ij oe oi oo ou ue ui uu").split(u' ');
    return clashes.contains(QString(left.back()) + right.front());
}

// Clues that split a compound the Groene Boekje writes as one word: with a hyphen between two
// lower-case words of three letters or more that the word list does not join that way, that
// do not clash vowels and are neither a colour pair nor a word said twice (pest-overbrenger,
// sous-chef, but rood-blauwe, divi-divi), with a blank where the word list has the joined
// word (dik gedrukt), or in a form met before.
QStringList splitCompounds(const QList<QStringList> &items)
{
    // The Dutch title is "mr."; "Mr. Bean" keeps its English capital.
    static const QRegularExpression wrongForms(QStringLiteral(
        "chocolade korrels|pest-overbrenger|mini-|-familie|-maatje|-kamertje|zwart-wit vogel|Reine Claude|"
        "Mr\\.(?= \\p{Ll})|peace-teken|roze maandag|Bloed zweet"));
    // A loan word that keeps its hyphen, and free phrases whose joined form means something else.
    static const QStringList rightSplits = {"shoot-out", "snel weg", "maat slaan"};
    static const QRegularExpression word(QStringLiteral("[\\p{L}\\p{N}'-]+"));
    static const QRegularExpression lowerCase(QStringLiteral("^\\p{Ll}{3,}$"));
    const QSet<QString> &dictionary = dictionaryWords();
    QStringList faults;
    for (const QStringList &item : items) {
        for (const QString &clue : item.mid(1)) {
            QStringList why;
            for (auto it = wrongForms.globalMatch(clue); it.hasNext();)
                why << it.next().captured();
            for (auto it = word.globalMatch(clue); it.hasNext();) {
                const QString compound = it.next().captured();
                const QStringList parts = compound.split(u'-');
                if (dictionary.contains(compound))
                    continue;
                for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
                    const QString pair = parts.at(i) + u'-' + parts.at(i + 1);
                    if (lowerCase.match(parts.at(i)).hasMatch() && lowerCase.match(parts.at(i + 1)).hasMatch()
                        && !dictionary.contains(pair) && !vowelsClash(parts.at(i), parts.at(i + 1))
                        && !rightSplits.contains(pair) && parts.at(i) != parts.at(i + 1)
                        && !(colourWords().contains(parts.at(i)) && colourWords().contains(parts.at(i + 1))))
                        why << pair;
                }
            }
            const QStringList blanks = clue.split(u' ');
            for (qsizetype i = 0; i + 1 < blanks.size(); ++i) {
                const QString &left = blanks.at(i);
                const QString &right = blanks.at(i + 1);
                if (lowerCase.match(left).hasMatch() && lowerCase.match(right).hasMatch()
                    && !commonWords().contains(left) && !commonWords().contains(right)
                    && !rightSplits.contains(left + u' ' + right) && dictionary.contains(left + right))
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
    QStringList words;
    QStringList name;
    for (auto it = word.globalMatch(clue); it.hasNext();) {
        const QString found = it.next().captured();
        if (found.front().isUpper()) {
            name << found;
            continue;
        }
        if (!name.isEmpty())
            words << name.join(u' ').toLower();
        name.clear();
        words << found;
    }
    if (!name.isEmpty())
        words << name.join(u' ').toLower();
    return words;
}

// Words of five letters or more, other than common ones, that stand in the clues of more than
// one item: knaagdier and knaagdiertje, slagroom, op toast. A plural or diminutive counts as its
// stem when the stem is a clue word too.
QStringList repeatedClueWords(const QList<QStringList> &items)
{
    QSet<QString> vocabulary;
    for (const QStringList &item : items)
        for (const QString &clue : item.mid(1))
            for (const QString &word : clueWords(clue))
                vocabulary.insert(word);
    const auto stem = [&vocabulary](const QString &word) {
        static const QStringList endings = {"en", "s", "n", "tje", "je"};
        for (const QString &ending : endings) {
            if (word.size() < ending.size() + 5 || !word.endsWith(ending))
                continue;
            const QString shorter = word.chopped(ending.size());
            if (vocabulary.contains(shorter))
                return shorter;
        }
        return word;
    };
    QMap<QString, QMap<QString, QString>> usesOfWord; // word, then keyword and its clue
    for (const QStringList &item : items)
        for (const QString &clue : item.mid(1))
            for (const QString &word : clueWords(clue))
                if (word.size() >= 5 && !commonWords().contains(word))
                    usesOfWord[stem(word)].insert(item.first(), clue);
    QStringList faults;
    for (auto it = usesOfWord.cbegin(); it != usesOfWord.cend(); ++it) {
        if (it.value().size() < 2)
            continue;
        QStringList uses;
        for (auto use = it.value().cbegin(); use != it.value().cend(); ++use)
            uses << use.key() + " (" + use.value() + ")";
        faults << it.key() + ": " + uses.join(" / ");
    }
    return faults;
}

using EditorialCheck = QStringList (*)(const QList<QStringList> &items);
const EditorialCheck s_editorialChecks[] = {translatedGiveAways, splitCompounds, repeatedClueWords};
enum { Translations, Compounds, Repeats };

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
    void editorialChecks_data();
    void editorialChecks();
    void puzzleListPassesEditorialChecks_data();
    void puzzleListPassesEditorialChecks();
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

void TestShippedData::editorialChecks_data()
{
    QTest::addColumn<int>("check");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("faults");
    QTest::newRow("translation inside a longer name") << int(Translations) << QStringList{"Kuifje,Tintin en Milou"} << 1;
    QTest::newRow("translation with a plural s") << int(Translations) << QStringList{"raam,Windows"} << 1;
    QTest::newRow("translation that opens a word") << int(Translations) << QStringList{"nijlpaard,hippopotamus"} << 1;
    QTest::newRow("short translation inside a word") << int(Translations) << QStringList{"kat,chatten,catwalk"} << 0;
    QTest::newRow("translation of another keyword") << int(Translations) << QStringList{"aap,Meuse"} << 0;
    QTest::newRow("hyphen between two words") << int(Compounds) << QStringList{"vlo,pest-overbrenger,sous-chef"} << 2;
    QTest::newRow("hyphen the rules ask for") << int(Compounds)
        << QStringList{"zee,piano-uurtje,zwart-wit,dt-fout,Apenheul-stad,noord- en zuidpool,rood-blauwe,divi-divi"} << 0;
    QTest::newRow("hyphen in a sound or a colour") << int(Compounds) << QStringList{"bel,ding-dong,rood-borstje"} << 2;
    QTest::newRow("compound split by a blank") << int(Compounds) << QStringList{"vet,dik gedrukt,chocolade korrels"} << 2;
    QTest::newRow("free phrases and a form met before") << int(Compounds)
        << QStringList{"ree,schrikt snel weg,rood geel groen,met een boot,Mr. Bean,Mr. voor de naam,heet ten onrechte,"
                       "Latijn voor kamer,tand des tijds"} << 1;
    QTest::newRow("word and its diminutive") << int(Repeats) << QStringList{"hamster,knaagdiertje", "eekhoorn,knaagdier"} << 1;
    QTest::newRow("same first name") << int(Repeats) << QStringList{"viool,André Rieu", "astronaut,André Kuipers"} << 0;
    QTest::newRow("common and short words") << int(Repeats)
        << QStringList{"kraai,zwarte veren,op toast,erdoor,5 april,kort in het Engels", "das,zwarte kop,op brood,erdoor,april,Engels"} << 0;
    QTest::newRow("word on one item twice") << int(Repeats) << QStringList{"zalm,gerookt,gerookt op brood"} << 0;
}

void TestShippedData::editorialChecks()
{
    QFETCH(int, check);
    QFETCH(QStringList, lines);
    QFETCH(int, faults);
    if (check == Compounds && dictionaryWords().isEmpty())
        QSKIP("the build made no word list");
    const QStringList found = s_editorialChecks[check](puzzleItems(lines));
    QVERIFY2(found.size() == faults, qPrintable(found.join(u'\n')));
}

void TestShippedData::puzzleListPassesEditorialChecks_data()
{
    QTest::addColumn<int>("check");
    QTest::newRow("no keyword in another language") << int(Translations);
    QTest::newRow("compounds as one word") << int(Compounds);
    QTest::newRow("no clue word on two items") << int(Repeats);
}

void TestShippedData::puzzleListPassesEditorialChecks()
{
    QFETCH(int, check);
    if (check == Compounds && dictionaryWords().isEmpty())
        QSKIP("the build made no word list");
    const QList<QStringList> items = puzzleItems(readCrLfLines(puzzlePath).mid(2));
    if (check == Translations) {
        // A table that no longer meets the list's keywords would pass any list.
        const QHash<QString, QStringList> translations = translationsOfKeywords();
        const auto known = std::count_if(items.cbegin(), items.cend(),
                                         [&](const QStringList &item) { return translations.contains(item.first().toLower()); });
        QVERIFY2(known >= 60, qPrintable(QString::number(known)));
    }
    // One line each, as a failure message would be cut short.
    const QStringList faults = s_editorialChecks[check](items);
    for (const QString &fault : faults)
        qInfo().noquote() << fault;
    QVERIFY2(faults.isEmpty(), qPrintable(QString::number(faults.size()) + " faults, listed above"));
}

QTEST_MAIN(TestShippedData)
#include "tst_shippeddata.moc"
