#include "game/shownfield.h"

#include <algorithm>

namespace {

bool isControl(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7F;
}

} // namespace

QString ShownField::shortened(const QString &text, qsizetype most)
{
    const bool cut = text.size() > most;
    // The list asks for every cell it paints: a short plain field is handed back as it is.
    if (!cut && std::none_of(text.begin(), text.end(), isControl))
        return text;
    QString shown = text.left(most);
    // Half an emoji would show as a broken character.
    if (cut && !shown.isEmpty() && shown.back().isHighSurrogate())
        shown.chop(1);
    for (QChar &c : shown) {
        // U+2400 onwards pictures each control character; U+2421 is the one for DEL.
        if (isControl(c))
            c = QChar(c.unicode() == 0x7F ? char16_t(0x2421) : char16_t(0x2400 + c.unicode()));
    }
    if (cut)
        shown += u'…';
    return shown;
}
