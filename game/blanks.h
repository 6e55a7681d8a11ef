#pragma once

#include <QString>

// Removes blanks (code 32) at both ends and nothing else: a tab or other white space
// stays, as the data files and typed terms mean it.
inline QString trimBlanks(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == u' ')
        ++begin;
    while (end > begin && text.at(end - 1) == u' ')
        --end;
    return text.mid(begin, end - begin);
}
