#include "tools/woordzoeker.h"

#include "common/cp1252.h"
#include "tools/regellezer.h"

#include <QFile>

WoordZoeker::WoordZoeker(const QString &term, Modus modus)
    : m_modus(modus)
{
    bool ok = true;
    m_term = Cp1252::encode(term, &ok);
    m_kanVoorkomen = ok;
    m_matcher.setPattern(m_term);
}

bool WoordZoeker::matches(QByteArrayView line) const
{
    if (!m_kanVoorkomen || line.size() < m_term.size())
        return false;
    switch (m_modus) {
    case BeginMet: return line.startsWith(m_term);
    case EindigtOp: return line.endsWith(m_term);
    case Bevat: return m_matcher.indexIn(line) >= 0;
    }
    return false;
}

bool WoordZoeker::zoek(QIODevice &device, const std::function<void(const QStringList &)> &gevonden,
                       qint64 chunkSize) const
{
    RegelLezer lezer(device, chunkSize);
    QStringList batch;
    int chunk = 0;
    QByteArrayView line;
    while (lezer.next(line)) {
        if (lezer.chunksRead() != chunk) {
            chunk = lezer.chunksRead();
            if (!batch.isEmpty()) {
                gevonden(batch);
                batch.clear();
            }
        }
        if (matches(line))
            batch.append(Cp1252::decode(line.toByteArray()));
    }
    if (!batch.isEmpty())
        gevonden(batch);
    return !lezer.failed();
}

bool WoordZoeker::zoek(const QString &path, const std::function<void(const QStringList &)> &gevonden) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return zoek(file, gevonden);
}
