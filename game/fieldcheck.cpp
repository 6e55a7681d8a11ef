#include "game/fieldcheck.h"

#include "common/cp1252.h"

FieldCheck::FieldCheck(const QString &text, Form form)
{
    const bool bare = form == Form::Bare;
    for (qsizetype i = 0; i < text.size(); ++i) {
        // An emoji is two UTF-16 units; naming half of it would show nonsense.
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size()
                && text.at(i + 1).isLowSurrogate() ? 2 : 1;
        const QString character = text.mid(i, length);
        Problem found = Problem::None;
        if (character == u"\"" || (bare && character == u","))
            found = Problem::Separator;
        else if (bare && (character == u"\r" || character == u"\n"))
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
    // A double quote between double quotes would be hard to read.
    const QString shown = m_character == u"\"" ? QStringLiteral("'\"'") : u'"' + m_character + u'"';
    switch (m_problem) {
    case Problem::None:
        return QString();
    case Problem::LineEnd:
        return QStringLiteral("Een regeleinde in %1 kan niet worden bewaard: %2 gebruikt regeleinden om de %3 "
                              "van elkaar te scheiden. ")
                   .arg(fieldName, fileName, records)
            + advice;
    case Problem::Separator:
        return QStringLiteral("Het teken %1 in %2 kan niet worden bewaard: %3 gebruikt dit teken om de velden van "
                              "elkaar te scheiden. ")
                   .arg(shown, fieldName, fileName)
            + advice;
    case Problem::EdgeBlank:
        return QStringLiteral("Een spatie aan het begin of einde van %1 kan niet worden bewaard: %2 laat spaties "
                              "rond een veld weg. Haal de spatie weg.")
            .arg(fieldName, fileName);
    case Problem::Unencodable:
        break;
    }
    return QStringLiteral("Het teken %1 in %2 kan niet worden bewaard. ").arg(shown, fieldName) + advice;
}
