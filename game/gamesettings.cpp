#include "game/gamesettings.h"

#include "game/fieldcheck.h"
#include "game/fieldreader.h"
#include "game/textwriter.h"

#include <cmath>
#include <limits>

namespace {

// Red and green are general numbers in the record; the file holds them as whole numbers
// of 32 bits. Anything beyond that cannot come from this program and counts as damage.
constexpr qint64 colourPartMin = std::numeric_limits<qint32>::min();
constexpr qint64 colourPartMax = std::numeric_limits<qint32>::max();

QString wholeNumberText(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    const double whole = std::nearbyint(qBound(double(colourPartMin), value, double(colourPartMax)));
    return QString::number(qint64(whole));
}

int colourPart(double value)
{
    if (!std::isfinite(value))
        return 0;
    return int(std::nearbyint(qBound(0.0, value, 255.0)));
}

} // namespace

QColor GameSettings::borderColour() const
{
    return QColor(colourPart(borderRed), colourPart(borderGreen), borderBlue);
}

bool loadSettings(const QString &path, GameSettings &settings)
{
    settings = GameSettings();
    const std::optional<QByteArray> bytes = readWholeFile(path);
    // Each value is taken into the record as soon as it is read, so a failure later in
    // the file still keeps what came before it.
    const bool complete = [&settings, &bytes] {
        if (!bytes)
            return false;
        FieldReader reader(*bytes);
        if (!reader.field() || !reader.field())
            return false;
        const auto speeltijd = reader.number(std::numeric_limits<qint32>::min(),
                                             std::numeric_limits<qint32>::max());
        if (!speeltijd)
            return false;
        settings.speeltijd = qint32(*speeltijd);
        const auto rood = reader.number(colourPartMin, colourPartMax);
        if (!rood)
            return false;
        settings.borderRed = double(*rood);
        const auto groen = reader.number(colourPartMin, colourPartMax);
        if (!groen)
            return false;
        settings.borderGreen = double(*groen);
        const auto blauw = reader.number(0, 255);
        if (!blauw)
            return false;
        settings.borderBlue = quint8(*blauw);
        const std::optional<QString> afdruktekst = reader.field();
        if (!afdruktekst)
            return false;
        settings.printFooter = *afdruktekst;
        if (reader.lastFieldLostText() || !printFooterRefusal(*afdruktekst, QString()).isEmpty())
            settings.printFooterStored = reader.lastFieldBytes();
        return true;
    }();
    if (!complete) {
        // The file written in its place holds the defaults from the value that failed on;
        // what the player had there (a footer of their own) is kept beside it, as the
        // editor keeps Puzzel.bak.
        if (bytes && !bytes->isEmpty()) {
            const QString backup = path.endsWith(QLatin1String(".ini")) ? path.chopped(4) + QStringLiteral(".bak")
                                                                         : path + QStringLiteral(".bak");
            writeWholeFile(backup, *bytes);
        }
        saveSettings(path, settings);
    }
    return complete;
}

QString saveSettings(const QString &path, const GameSettings &settings)
{
    TextWriter writer;
    writer.quoted(QStringLiteral("Brovelt Software 2019"));
    writer.quoted(QString(26, u'-'));
    writer.line(QString::number(settings.speeltijd));
    writer.line(wholeNumberText(settings.borderRed) + u',' + wholeNumberText(settings.borderGreen)
                + u',' + QString::number(settings.borderBlue));
    if (!settings.printFooterStored.isEmpty()
        && FieldReader(settings.printFooterStored).field() == settings.printFooter) {
        writer.verbatim(settings.printFooterStored);
    } else if (const QString refusal =
                   printFooterRefusal(settings.printFooter, QStringLiteral("de tekst bij het afdrukken"));
               !refusal.isEmpty()) {
        return refusal;
    } else {
        writer.quoted(settings.printFooter);
    }
    return writeWholeFile(path, writer.bytes());
}

QString printFooterRefusal(const QString &footer, const QString &fieldName)
{
    return FieldCheck(footer, FieldCheck::Form::Quoted)
        .message(fieldName, QStringLiteral("het instellingenbestand"), QStringLiteral("instellingen"));
}
