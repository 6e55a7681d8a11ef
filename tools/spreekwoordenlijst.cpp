#include "tools/spreekwoordenlijst.h"

#include "common/cp1252.h"
#include "tools/regellezer.h"

#include <QFile>
#include <QLocale>

namespace {

const QString s_scheiding = QStringLiteral(" -/- ");
constexpr int s_aanloop = 12;

bool alleenSpaties(const QString &line)
{
    for (QChar c : line) {
        if (c != u' ')
            return false;
    }
    return true;
}

} // namespace

bool SpreekwoordenLijst::laad(QIODevice &device)
{
    RegelLezer lezer(device);
    QByteArrayView bytes;
    while (lezer.next(bytes)) {
        const QString line = Cp1252::decode(bytes.toByteArray());
        if (alleenSpaties(line))
            continue;
        const qsizetype eerste = line.indexOf(s_scheiding);
        if (eerste < 0)
            return false;
        // Anything after a second separator is not used.
        const qsizetype begin = eerste + s_scheiding.size();
        const qsizetype tweede = line.indexOf(s_scheiding, begin);
        m_spreekwoorden.append(line.left(eerste));
        m_betekenisvelden.append(line.mid(begin, tweede < 0 ? -1 : tweede - begin));
    }
    return !lezer.failed();
}

bool SpreekwoordenLijst::laad(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return laad(file);
}

QString SpreekwoordenLijst::betekenis(const QString &betekenisveld)
{
    const QString meaning = betekenisveld.mid(s_aanloop);
    if (meaning.isEmpty())
        return meaning;
    return QLocale().toUpper(meaning.left(1)) + meaning.mid(1);
}
