// Times the word search over the word list, beside grep -c -F over the same file.
// Usage: bench_wordsearch [word list]   (default: the build's Data/Nederlands.lib)
#include "support/fakes.h"
#include "tools/wordsearchwindow.h"
#include "tools/wordsearch.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QListView>
#include <QLineEdit>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int s_runs = 7;

struct Timing {
    double ms = 0; // the median of the runs
    qint64 count = 0;
};

template <typename Run>
Timing median(Run run)
{
    std::vector<double> times;
    qint64 count = 0;
    for (int i = 0; i < s_runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        count = run();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], count};
}

Timing grep(const QString &term, const QString &path)
{
    return median([&] {
        QProcess process;
        process.start(QStringLiteral("grep"), {QStringLiteral("-c"), QStringLiteral("-F"), term, path});
        process.waitForFinished(-1);
        return process.readAllStandardOutput().trimmed().toLongLong();
    });
}

Timing search(const QString &term, WordSearch::Mode mode, const QString &path)
{
    return median([&] {
        qint64 found = 0;
        WordSearch(term, mode).search(path, [&](const FoundLines &batch) { found += batch.count(); });
        return found;
    });
}

Timing window(WordSearchWindow &form, const QString &term, WordSearch::Mode mode)
{
    return median([&] {
        form.searchTermBox()->setText(term);
        form.search(mode);
        return qint64(form.resultList()->model()->rowCount());
    });
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                  : QStringLiteral(RAADKWARTET_DATA_DIR "/Nederlands.lib");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return 1;
    }
    const QByteArray bytes = file.readAll();
    std::printf("word list: %s, %lld bytes, %lld lines; median of %d runs\n\n", qPrintable(path),
                qint64(bytes.size()), qint64(bytes.count('\n')), s_runs);

    // The window reads its list from its own Data folder.
    TestContext platform;
    platform.writeData(QStringLiteral("Nederlands.lib"), bytes);
    WordSearchWindow form(platform.context());
    form.show();
    QCoreApplication::processEvents();

    struct Case {
        const char *name;
        QString term;
        WordSearch::Mode mode;
    };
    const Case cases[] = {{"begins with", QStringLiteral("ver"), WordSearch::BeginsWith},
                          {"ends in", QStringLiteral("ing"), WordSearch::EndsWith},
                          {"contains", QStringLiteral("ing"), WordSearch::Contains},
                          {"contains", QStringLiteral("heid"), WordSearch::Contains}};

    std::printf("%-12s %-5s %8s %10s %8s %10s %12s %8s %9s\n", "mode", "term", "found", "search ms", "grep -c",
                "grep ms", "search/grep", "window", "window ms");
    for (const Case &c : cases) {
        const Timing ours = search(c.term, c.mode, path);
        const Timing theirs = grep(c.term, path);
        const Timing shown = window(form, c.term, c.mode);
        std::printf("%-12s %-5s %8lld %10.2f %8lld %10.2f %12.2f %8lld %9.2f\n", c.name, qPrintable(c.term), ours.count,
                    ours.ms, theirs.count, theirs.ms, ours.ms / theirs.ms, shown.count, shown.ms);
    }
    std::printf("\ngrep counts lines that contain the term, whatever the mode; its time includes starting it.\n");
    return 0;
}
