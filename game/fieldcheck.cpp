#include "game/fieldcheck.h"

#include "common/cp1252.h"

FieldCheck::FieldCheck(const QString &text, Form form)
{
    const bool bare = form == Form::Bare;
    const bool oneLine = form != Form::Quoted;
    for (qsizetype i = 0; i < text.size(); ++i) {
        // An emoji is two UTF-16 units; naming half of it would show nonsense.
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size()
                && text.at(i + 1).isLowSurrogate() ? 2 : 1;
        const QString character = text.mid(i, length);
        Problem found = Problem::None;
        if (character == u"\"" || (bare && character == u","))
            found = Problem::Separator;
        else if (oneLine && (character == u"\r" || character == u"\n"))
            found = Problem::LineEnd;
        else if (!Cp1252::canEncode(character))
            found = Problem::Unencodable;
        if (found != Problem::None) {
            m_problem = found;
            m_character = character;
            return;
        }
        i += length - 1;
    }
    // The reader skips the blanks before a bare field and trims those after it; inside
    // quotes they stay.
    if (bare && !text.isEmpty() && (text.front() == u' ' || text.back() == u' ')) {
        m_problem = Problem::EdgeBlank;
        m_character = QStringLiteral(" ");
    }
}

QString FieldCheck::message(const QString &fieldName, const QString &fileName, const QString &records) const
{
    const QString advice = QStringLiteral("Laat het weg of kies een ander teken.");
    switch (m_problem) {
    case Problem::None:
        return QString();
    case Problem::LineEnd:
        return QStringLiteral("Een regeleinde in %1 kan niet worden bewaard: %2 gebruikt regeleinden om de %3 "
                              "van elkaar te scheiden. ")
                   .arg(fieldName, fileName, records)
            + advice;
    case Problem::Separator:
        return QStringLiteral("Het teken %1 in %2 kan niet worden bewaard: %3 gebruikt dit teken om %4. ")
                   .arg(named(m_character), fieldName, fileName,
                        m_character == u"\"" ? QStringLiteral("velden te omsluiten")
                                             : QStringLiteral("de velden van elkaar te scheiden"))
            + advice;
    case Problem::EdgeBlank:
        return QStringLiteral("Een spatie aan het begin of einde van %1 kan niet worden bewaard: %2 laat spaties "
                              "rond een veld weg. Haal de spatie weg.")
            .arg(fieldName, fileName);
    case Problem::Unencodable:
        break;
    }
    return QStringLiteral("Het teken %1 in %2 kan niet worden bewaard. ").arg(named(m_character), fieldName) + advice;
}

QString FieldCheck::named(const QString &character)
{
    // A double quote between double quotes would be hard to read.
    if (character == u"\"")
        return QStringLiteral("'\"'");
    const char32_t code = character.size() == 2 ? QChar::surrogateToUcs4(character.at(0), character.at(1))
                                                : character.at(0).unicode();
    const QString codePoint = QStringLiteral("U+") + QString::number(code, 16).toUpper().rightJustified(4, u'0');
    switch (QChar::category(code)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
        // A mark alone would sit on the quote; on a dotted circle it can be read.
        return u'"' + QChar(0x25CC) + character + QStringLiteral("\" (") + codePoint + u')';
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        // Nothing to see between quotes: only its number names it.
        return codePoint + QStringLiteral(" (onzichtbaar)");
    default:
        // What the code page holds, but for a special blank, is what it looks like; the
        // rest may look like a letter it holds (Greek capital E, Cyrillic a).
        if (code == u' ' || (Cp1252::canEncode(character) && QChar::category(code) != QChar::Separator_Space))
            return u'"' + character + u'"';
        return u'"' + character + QStringLiteral("\" (") + codePoint + u')';
    }
}
