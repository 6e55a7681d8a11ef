#include "about/aboutinfo.h"

#include <QFileInfo>
#include <QLocale>

namespace {

const QString s_onbekend = QStringLiteral("onbekend");

// The locale's long time form less its time zone.
QString tijdMetSeconden(const QLocale &locale)
{
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(u't');
    return format.trimmed();
}

} // namespace

namespace AboutInfo {

QString maandNaam(int maand)
{
    static const char *const namen[12] = {"Januari", "Februari", "Maart",     "April",   "Mei",      "Juni",
                                          "Juli",    "Augustus", "September", "Oktober", "November", "December"};
    if (maand < 1 || maand > 12)
        return QString();
    return QString::fromLatin1(namen[maand - 1]);
}

QString grootte(qint64 bytes)
{
    const QString digits = QString::number(qMax<qint64>(bytes, 0)).rightJustified(3, u'0');
    const QString separator = QLocale().groupSeparator();
    QString result;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            result += separator;
        result += digits.at(i);
    }
    return result;
}

QString datumTijd(const QDateTime &moment)
{
    const QLocale locale;
    const QString datum = locale.toString(moment.date(), QLocale::ShortFormat);
    const QTime tijd = moment.time();
    if (tijd.hour() == 0 && tijd.minute() == 0 && tijd.second() == 0)
        return datum;
    return datum + u' ' + locale.toString(tijd, tijdMetSeconden(locale));
}

QStringList regels(const QDateTime &nu, const QString &programFile)
{
    const QFileInfo info(programFile);
    const bool bekend = info.isFile();
    return {
        QStringLiteral("Raadkwartet, een woordpuzzel"),
        QStringLiteral("ontworpen en geschreven door Brovelt"),
        QStringLiteral("Drie trefwoorden, twaalf omschrijvingen:"),
        QStringLiteral("raden tegen de klok."),
        QString(),
        QStringLiteral("Design : ") + maandNaam(nu.date().month()) + u' ' + QString::number(nu.date().year()),
        QStringLiteral("Version : " RAADKWARTET_VERSION " / ") + (bekend ? grootte(info.size()) : s_onbekend),
        QStringLiteral("Date : ") + (bekend ? datumTijd(info.lastModified()) : s_onbekend),
    };
}

QString tekst(const QDateTime &nu, const QString &programFile)
{
    return regels(nu, programFile).join(QStringLiteral("\r\n"));
}

} // namespace AboutInfo
