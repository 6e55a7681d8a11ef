#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <algorithm>

// What the benchmarks share: the median of their runs and a full puzzle database.
namespace Bench {

inline double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0.0 : values[values.size() / 2];
}

// A Puzzel.lib of the largest size the editor allows, 999 rows.
inline QByteArray fullDatabase()
{
    QByteArray bytes("Brovelt Software 2019\r\n----------\r\n");
    for (int i = 1; i <= 999; ++i)
        bytes += QStringLiteral("trefwoord%1,eerste omschrijving,tweede omschrijving,derde omschrijving,vierde\r\n")
                     .arg(i)
                     .toLatin1();
    return bytes;
}

} // namespace Bench
