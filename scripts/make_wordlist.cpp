// Build tool: makes Data/Nederlands.lib from the OpenTaal word list.
// Usage: make_wordlist <UTF-8 word list> <output file>
#include "game/wordlistconverter.h"

#include <QFile>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_wordlist <UTF-8 word list> <output file>\n");
        return 2;
    }
    const QString inputName = QString::fromLocal8Bit(argv[1]);
    const QString outputName = QString::fromLocal8Bit(argv[2]);

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
    QSaveFile output(outputName);
    if (!output.open(QIODevice::WriteOnly) || output.write(list) != list.size() || !output.commit()) {
        std::fprintf(stderr, "make_wordlist: cannot write %s: %s\n", argv[2], qPrintable(output.errorString()));
        return 1;
    }

    std::printf("make_wordlist: %lld words kept, %lld skipped (%lld not in lower case, "
                "%lld outside Windows-1252, %lld duplicates)\n",
                static_cast<long long>(converter.kept()), static_cast<long long>(converter.skipped()),
                static_cast<long long>(converter.notLowerCase()), static_cast<long long>(converter.notEncodable()),
                static_cast<long long>(converter.duplicates()));
    return 0;
}
