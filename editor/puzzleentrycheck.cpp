#include "editor/puzzleentrycheck.h"

#include "common/cp1252.h"

namespace {

bool separatesFields(const QString &character)
{
    return character == u"," || character == u"\"";
}

bool isLineEnd(const QString &character)
{
    return character == u"\r" || character == u"\n";
}

} // namespace

PuzzleEntryCheck::PuzzleEntryCheck(const PuzzleEntry &entry)
{
    check(0, entry.keyword);
    for (int k = 0; k < 4; ++k)
        check(k + 1, entry.descriptions[k]);
}

void PuzzleEntryCheck::check(int field, const QString &text)
{
    if (!passed())
        return;
    for (qsizetype i = 0; i < text.size(); ++i) {
        // An emoji is two UTF-16 units; naming half of it would show nonsense.
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size()
                && text.at(i + 1).isLowSurrogate() ? 2 : 1;
        const QString character = text.mid(i, length);
        if (separatesFields(character) || isLineEnd(character) || !Cp1252::canEncode(character)) {
            m_field = field;
            m_character = character;
            return;
        }
        i += length - 1;
    }
}

QString PuzzleEntryCheck::fieldName(int field)
{
    return field == 0 ? QStringLiteral("Trefwoord") : QStringLiteral("Omschrijving %1").arg(field);
}

QString PuzzleEntryCheck::message() const
{
    if (passed())
        return QString();
    const QString where = fieldName(m_field);
    const QString advice = QStringLiteral("Laat het weg of kies een ander teken.");
    if (isLineEnd(m_character)) {
        return QStringLiteral("Een regeleinde in %1 kan niet worden bewaard: het puzzelbestand gebruikt regeleinden "
                              "om de puzzels van elkaar te scheiden. ")
                   .arg(where)
            + advice;
    }
    // A double quote between double quotes would be hard to read.
    const QString shown = m_character == u"\"" ? QStringLiteral("'\"'") : u'"' + m_character + u'"';
    if (separatesFields(m_character)) {
        return QStringLiteral("Het teken %1 in %2 kan niet worden bewaard: het puzzelbestand gebruikt dit teken "
                              "om de velden van elkaar te scheiden. ")
                   .arg(shown, where)
            + advice;
    }
    return QStringLiteral("Het teken %1 in %2 kan niet worden bewaard. ").arg(shown, where) + advice;
}
