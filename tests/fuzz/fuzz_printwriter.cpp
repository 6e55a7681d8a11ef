#include "fuzzsupport.h"

#include "editor/listprinter.h"
#include "editor/printsink.h"

#include <algorithm>

// Any rows and footer: read back from where the page puts them, every keyword,
// description and footer is printed whole, in order, nothing cut or lost.
namespace {

struct Text {
    QPoint at;
    QString text;
};

class RecordingSink final : public PrintSink
{
public:
    void text(const QPoint &at, const QString &text, const PrintFont &, const QColor &) override { texts.append({at, text}); }
    void fill(const QRect &, const QColor &) override {}
    void newPage() override { ++pages; }

    QList<Text> texts;
    int pages = 1;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<QString> values = fuzzValues(data, size);
    const QString footer = values.value(0);
    const QList<PuzzleEntry> rows = fuzzEntries(values, 1);
    RecordingSink sink;
    ListPrinter(sink, rows, footer, QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5))).printDocument();

    const auto &lefts = ListPrinter::columnLefts();
    QList<PuzzleEntry> printed;
    int footers = 0;
    for (const Text &t : sink.texts) {
        if (t.at.y() == ListPrinter::FooterTop) {
            FUZZ_CHECK(t.at.x() == 300 && t.text == footer);
            ++footers;
        } else if (t.at.y() >= ListPrinter::RowsTop && t.at.y() <= ListPrinter::PageBottom) {
            const int column = int(std::find(lefts.begin(), lefts.end(), t.at.x()) - lefts.begin());
            FUZZ_CHECK(column < 6);
            if (column == 0) {
                FUZZ_CHECK(t.text == ListPrinter::numberText(int(printed.size()) + 1));
                printed.append(PuzzleEntry());
            } else {
                FUZZ_CHECK(!printed.isEmpty());
                (column == 1 ? printed.last().keyword : printed.last().descriptions[column - 2]) = t.text;
            }
        }
    }
    FUZZ_CHECK(printed == rows);
    FUZZ_CHECK(footers == (rows.isEmpty() ? 0 : sink.pages));
    return 0;
}
