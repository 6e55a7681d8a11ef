#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The number of words in Data/Nederlands.lib, written beside it as Data/Nederlands.count
// when the list is made, so the search window can name it without reading 5 MB. The file
// also holds the list's size in bytes: a list replaced after the build no longer matches
// and its count is not believed.
namespace WordCountFile {

// "357934 4923456\r\n": the words, then the list's size in bytes.
QByteArray text(qint64 words, qint64 listBytes);

// The count for the list at 'listFile', or nothing when the count file is missing,
// unreadable, malformed or made for a list of another size.
std::optional<qint64> read(const QString &countFile, const QString &listFile);

} // namespace WordCountFile
