#include "editor/helppanel.h"

#include <QPainter>

#include <array>

namespace {

struct HelpLine {
    int x;
    int y;
    QColor colour;
    bool bold;
    const char *text;
};

const QColor background(0, 0, 30);
const QColor heading(0, 230, 230);
const QColor body(200, 200, 200);
const QColor closing(240, 230, 0);

const std::array<HelpLine, 11> &helpLines()
{
    static const std::array<HelpLine, 11> lines = {{
        {10, 10, heading, true, "Korte uitleg bij dit onderdeel..."},
        {10, 30, body, false, "Je kunt met dit onderdeel van het programma zelf trefwoorden en omschrijvingen"},
        {10, 46, body, false, "toevoegen. Typ in de daarvoor bestemde tekstbalken respectievelijk het trefwoord"},
        {10, 62, body, false, "of oplossing in en de 4 omschrijvingen van het te raden trefwoord."},
        {10, 78, body, false, "Nadat je deze hebt ingetypt klik je op de button 'Toevoegen' om het aan de lijst"},
        {10, 94, body, false, "bij te schrijven. Voor het wijzigen of verwijderen van een item moet men eerst een"},
        {10, 110, body, false, "item selecteren. Nadat je alles hebt ingevoerd klik je op de button 'Opslaan' om"},
        {10, 126, body, false, "de gewijzigde lijst te saven (opslaan als database). Je kunt de complete lijst ook"},
        {10, 142, body, false, "afdrukken op papier (35 items per A4). Selecteer de printer die je wilt gebruiken"},
        {10, 158, body, false, "met de keuzebalk (Rechtsboven). Maximaal kunner er 999 items worden ingevoerd."},
        {10, 202, closing, true, "Klik nogmaals op de helpknop om dit scherm weer te verlaten."},
    }};
    return lines;
}

} // namespace

HelpPanel::HelpPanel(QWidget *parent)
    : QWidget(parent)
{
    // The text is painted; a screen reader reads it from the description.
    QStringList text;
    for (const HelpLine &line : helpLines())
        text << QString::fromUtf8(line.text);
    setAccessibleName(text.first());
    setAccessibleDescription(text.mid(1).join(QLatin1Char(' ')));
    setAttribute(Qt::WA_OpaquePaintEvent);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(9.75);
    font.setItalic(true);
    setFont(font);
}

void HelpPanel::writeHelp()
{
    if (m_image.size() != size())
        m_image = QImage(size(), QImage::Format_RGB32);
    m_image.fill(background);
    QPainter painter(&m_image);
    for (const HelpLine &line : helpLines()) {
        QFont lineFont = font();
        lineFont.setBold(line.bold);
        painter.setFont(lineFont);
        painter.setPen(line.colour);
        // The position is the top-left corner of the text, not its baseline.
        painter.drawText(QPointF(line.x, line.y + QFontMetricsF(lineFont, this).ascent()),
                         QString::fromLatin1(line.text));
    }
    update();
}

void HelpPanel::resizeEvent(QResizeEvent *)
{
    if (m_image.size() == size())
        return;
    m_image = QImage(size(), QImage::Format_RGB32);
    m_image.fill(background);
}

void HelpPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
}
