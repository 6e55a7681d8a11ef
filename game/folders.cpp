#include "game/folders.h"

#include "game/textwriter.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <utility>

Folders::Folders(const QString &programFile, const QString &shippedData, const QString &playerFolder)
    : m_programFile(programFile)
    , m_shippedData(QDir::cleanPath(shippedData))
    , m_playerFolder(QDir::cleanPath(playerFolder))
{
}

Folders Folders::beside(const QString &folder, const QString &programFile)
{
    return Folders(programFile, folder + QStringLiteral("/Data"), folder);
}

Folders Folders::forProgram(const QString &programFile, const QString &givenPlayerFolder)
{
    const QString playerFolder = QDir::isRelativePath(givenPlayerFolder)
        ? QDir::homePath() + QStringLiteral("/.local/share/") + QFileInfo(givenPlayerFolder).fileName()
        : givenPlayerFolder;
    const QString folder = QFileInfo(programFile).absolutePath();
    const QFileInfo besideData(folder + QStringLiteral("/Data"));
    if (besideData.isDir()) {
        if (QFileInfo(folder).isWritable() && besideData.isWritable())
            return beside(folder, programFile);
        return Folders(programFile, besideData.filePath(), playerFolder);
    }
    const QString shared = folder + QStringLiteral("/../share/raadkwartet/Data");
    if (QFileInfo(shared).isDir())
        return Folders(programFile, shared, playerFolder);
    // No shipped Data anywhere: behave as a folder install, which makes Data on saving.
    return beside(folder, programFile);
}

QString Folders::shippedFile(const QString &name) const
{
    return m_shippedData + u'/' + name;
}

QString Folders::dataFile(const QString &name) const
{
    return m_playerFolder + QStringLiteral("/Data/") + name;
}

QString Folders::settingsFile() const
{
    return m_playerFolder + QStringLiteral("/Raadkwartet.ini");
}

QString Folders::preparePlayerFolder() const
{
    if (!separatePlayerFolder())
        return QString();
    const bool firstStart = !QFileInfo::exists(m_playerFolder + QStringLiteral("/Data"));
    if (!QDir().mkpath(m_playerFolder + QStringLiteral("/Data")))
        return writeFailureText(dataFile(QStringLiteral("Puzzel.lib")));
    // The player's folder starts from what the read-only folder holds: the puzzle database
    // (again whenever the player's is gone, as the game needs puzzles), and at the first
    // start a score list and settings that earlier starts kept there while it could be
    // written. A player who later removes those starts afresh.
    const QString programFolder = QFileInfo(m_programFile).absolutePath();
    const std::pair<QString, QString> startingFiles[] = {
        {shippedFile(QStringLiteral("Puzzel.lib")), dataFile(QStringLiteral("Puzzel.lib"))},
        {shippedFile(QStringLiteral("Scorelijst.lib")), dataFile(QStringLiteral("Scorelijst.lib"))},
        {programFolder + QStringLiteral("/Raadkwartet.ini"), settingsFile()},
    };
    for (const auto &[from, to] : startingFiles) {
        const bool wanted = firstStart || to == dataFile(QStringLiteral("Puzzel.lib"));
        if (wanted && !QFileInfo::exists(to) && QFileInfo::exists(from) && copyWholeFile(from, to).isEmpty()) {
            QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
            // A fresh copy of the shipped list is marked anew.
            if (to == dataFile(QStringLiteral("Puzzel.lib")))
                QFile::remove(shippedMarkFile());
        }
    }
    followShippedPuzzles();
    return QString();
}

QString Folders::shippedMarkFile() const
{
    return dataFile(QStringLiteral("Puzzel.geleverd"));
}

void Folders::followShippedPuzzles() const
{
    // The mark says which shipped list the player's copy came from: the shipped file's size
    // and time, so an unchanged one is passed at a glance, and the copy's digest as it came,
    // or "-" where the copy was the player's own when it was marked.
    const QFileInfo shipped(shippedFile(QStringLiteral("Puzzel.lib")));
    if (!shipped.isFile())
        return;
    const QByteArray stamp = QByteArray::number(shipped.size()) + ' '
        + QByteArray::number(shipped.lastModified().toMSecsSinceEpoch());
    const QList<QByteArray> mark = readWholeFile(shippedMarkFile()).value_or(QByteArray()).trimmed().split(' ');
    const bool marked = mark.size() == 3;
    if (marked && mark[0] + ' ' + mark[1] == stamp)
        return;
    const std::optional<QByteArray> shippedBytes = readWholeFile(shipped.filePath());
    if (!shippedBytes)
        return;
    const auto digest = [](const QByteArray &bytes) {
        return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
    };
    const QByteArray shippedDigest = digest(*shippedBytes);
    // A copy equal to a list some version shipped (or to the one it was copied from) is one
    // the player never changed: also a copy kept from before there was a mark.
    QSet<QByteArray> shippedLists{shippedDigest};
    const QByteArray versions = readWholeFile(shippedFile(QStringLiteral("Puzzel.versies"))).value_or(QByteArray());
    for (const QByteArray &line : versions.split('\n'))
        shippedLists.insert(line.trimmed());
    if (marked)
        shippedLists.insert(mark[2]);
    shippedLists.remove(QByteArray("-"));
    const QString ownFile = dataFile(QStringLiteral("Puzzel.lib"));
    const QByteArray ownDigest = digest(readWholeFile(ownFile).value_or(QByteArray()));
    const bool asShipped = shippedLists.contains(ownDigest);
    // A newer shipped list replaces the copy only where the player never changed it.
    if (asShipped && ownDigest != shippedDigest && !writeWholeFile(ownFile, *shippedBytes).isEmpty())
        return;
    writeWholeFile(shippedMarkFile(), stamp + ' ' + (asShipped ? shippedDigest : QByteArray("-")) + "\r\n");
}
