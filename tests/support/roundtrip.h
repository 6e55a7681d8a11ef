#pragma once

#include "game/gamesettings.h"
#include "game/puzzleentrycheck.h"
#include "game/puzzlefile.h"
#include "game/puzzlelist.h"
#include "game/scorefile.h"
#include "game/scorelist.h"
#include "game/textwriter.h"

// The writers' round trips, shared by the unit tests (generated values) and the fuzz targets
// (any values): each value either comes back identical after a save and a load, or the save
// refuses it with the message naming its field and character and leaves the file as it was.
// Each returns what went wrong, empty when nothing did, and counts the refusals.
namespace RoundTrip {

inline const QByteArray kept = "kept\r\n";

// Rows as "keyword|description 1|...|description 4", for the tests to compare.
inline QStringList rowTexts(const QList<PuzzleEntry> &rows)
{
    QStringList texts;
    for (const PuzzleEntry &e : rows)
        texts << QStringList{e.keyword, e.descriptions[0], e.descriptions[1], e.descriptions[2], e.descriptions[3]}.join(u'|');
    return texts;
}

inline QString puzzles(const QString &path, const QList<PuzzleEntry> &rows, int &refusals)
{
    PuzzleList accepted, read, whole;
    for (const PuzzleEntry &entry : rows) {
        const PuzzleEntryCheck check(entry);
        if (check.passed()) {
            accepted.append(entry);
            continue;
        }
        ++refusals;
        PuzzleList one;
        one.append(entry);
        writeWholeFile(path, kept);
        const QString reason = PuzzleFile::save(path, QString(), one);
        if (reason != "Rij 1 kan niet worden bewaard. " + check.message() || readWholeFile(path) != kept
            || !reason.contains(PuzzleEntryCheck::fieldName(check.field()), Qt::CaseInsensitive))
            return "refused row " + entry.keyword + ": " + reason;
    }
    if (const QString reason = PuzzleFile::save(path, QString(), accepted); !reason.isEmpty())
        return reason;
    PuzzleFile::load(path, read);
    PuzzleFile::load(path, whole, PuzzleFile::Reading::KeepWholeFields);
    return read.entries() == accepted.entries() && whole.entries() == accepted.entries() ? QString() : "rows changed";
}

inline QString scores(const QString &path, const QList<ScoreEntry> &entries, int &refusals)
{
    ScoreList accepted, read;
    for (const ScoreEntry &entry : entries) {
        ScoreList one;
        one.add(entry);
        writeWholeFile(path, kept);
        const QString refusal = ScoreFile::save(path, one);
        if (refusal.isEmpty()) {
            accepted.add(entry);
            continue;
        }
        ++refusals;
        // The name question refuses at least what the file cannot hold, in the same words.
        if (!refusal.contains(" in de naam kan niet worden bewaard") || ScoreFile::nameRefusal(entry.name) != refusal
            || readWholeFile(path) != kept)
            return "refused name " + entry.name + ": " + refusal;
    }
    if (const QString reason = ScoreFile::save(path, accepted); !reason.isEmpty())
        return reason;
    return ScoreFile::load(path, read) && read.entries() == accepted.entries() ? QString() : "names changed";
}

inline QString settings(const QString &path, const QList<GameSettings> &records, int &refusals)
{
    for (const GameSettings &record : records) {
        const QString refusal = printFooterRefusal(record.printFooter, QStringLiteral("Afdruktekst"));
        writeWholeFile(path, kept);
        GameSettings read;
        if (!refusal.isEmpty()) {
            ++refusals;
            if (!refusal.contains(" in Afdruktekst kan niet worden bewaard") || saveSettings(path, record).isEmpty()
                || readWholeFile(path) != kept)
                return "refused footer " + record.printFooter + ": " + refusal;
        } else if (!saveSettings(path, record).isEmpty() || !loadSettings(path, read) || read.printFooter != record.printFooter
                   || read.speeltijd != record.speeltijd || read.borderRed != record.borderRed
                   || read.borderGreen != record.borderGreen || read.borderBlue != record.borderBlue) {
            return "record changed: " + record.printFooter;
        }
    }
    return {};
}

} // namespace RoundTrip
