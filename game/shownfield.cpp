#include "game/shownfield.h"

#include <algorithm>

namespace {

// C0, DEL and C1 (the code page's five unassigned bytes read as C1 characters).
bool isControl(QChar c)
{
    return c.category() == QChar::Other_Control;
}

} // namespace

QString ShownField::shortened(const QString &text, qsizetype most)
{
    const bool cut = text.size() > most;
    // The list asks for every cell it paints: a short plain field is handed back as it is.
    if (!cut && std::none_of(text.begin(), text.end(), isControl))
        return text;
    QStringView kept = QStringView(text).left(most);
    // Half an emoji would show as a broken character.
    if (cut && !kept.isEmpty() && kept.back().isHighSurrogate())
        kept.chop(1);
    // Signs every font of the board has: a tab as an arrow, a line break (CR, LF or both)
    // as a pilcrow, any other control character as a dot.
    QString shown;
    shown.reserve(kept.size() + 1);
    for (qsizetype i = 0; i < kept.size(); ++i) {
        const QChar c = kept.at(i);
        if (c == u'\t')
            shown += QChar(0x2192);
        else if (c == u'\r' || c == u'\n') {
            shown += QChar(0x00B6);
            if (c == u'\r' && i + 1 < kept.size() && kept.at(i + 1) == u'\n')
                ++i;
        } else if (isControl(c))
            shown += QChar(0x00B7);
        else
            shown += c;
    }
    if (cut)
        shown += u'…';
    return shown;
}
