// Build tool: makes Data/Nederlands.lib from the OpenTaal word list, and beside it the
// count of its words that the search window's title shows.
// Usage: make_wordlist <UTF-8 word list> <output list> <output count file>
#include "game/wordlistconverter.h"
#include "tools/wordcountfile.h"

#include <QFile>
#include <QSaveFile>

#include <cstdio>

static bool write(const QString &name, const QByteArray &bytes)
{
    QSaveFile output(name);
    if (output.open(QIODevice::WriteOnly) && output.write(bytes) == bytes.size() && output.commit())
        return true;
    std::fprintf(stderr, "make_wordlist: cannot write %s: %s\n", qPrintable(name), qPrintable(output.errorString()));
    return false;
}

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_wordlist <UTF-8 word list> <output list> <output count file>\n");
        return 2;
    }
    const QString inputName = QString::fromLocal8Bit(argv[1]);
    const QString outputName = QString::fromLocal8Bit(argv[2]);
    const QString countName = QString::fromLocal8Bit(argv[3]);

    QFile input(inputName);
    if (!input.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "make_wordlist: cannot read the word list %s: %s\n"
                             "(on Debian it comes with the package 'wdutch')\n",
                     argv[1], qPrintable(input.errorString()));
        return 1;
    }
    const QByteArray source = input.readAll();

    WordListConverter converter;
    const QByteArray list = converter.convert(source);

    // Written aside and renamed, so a failed run never leaves half a list for the build.
    // The count follows the list: a count without its list would name the wrong number.
    if (!write(outputName, list) || !write(countName, WordCountFile::text(converter.kept(), list.size())))
        return 1;

    std::printf("make_wordlist: %lld words kept, %lld skipped (%lld not in lower case, "
                "%lld outside Windows-1252, %lld duplicates)\n",
                static_cast<long long>(converter.kept()), static_cast<long long>(converter.skipped()),
                static_cast<long long>(converter.notLowerCase()), static_cast<long long>(converter.notEncodable()),
                static_cast<long long>(converter.duplicates()));
    return 0;
}
