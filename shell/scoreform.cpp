#include "shell/scoreform.h"

#include "controls/vistabutton.h"
#include "controls/vormgeving.h"
#include "shell/dialogs.h"
#include "game/folders.h"
#include "game/scorefile.h"
#include "game/scorelist.h"
#include "common/twips.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QScreen>

ScoreForm::ScoreForm(const AppContext &context, ScoreList &scoreList, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
    , m_scorelijst(scoreList)
{
    Form_Load();
}

QRect ScoreForm::twips(int top, int left, int width, int height) const
{
    return Vormgeving::twips(this, top, left, width, height);
}

void ScoreForm::Form_Load()
{
    setWindowTitle(QStringLiteral("Hoogst Scorelijst"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    // The window's size includes its frame and title bar; the inside is that much smaller.
    setFixedSize(Vormgeving::binnenmaat(this, 3945, 6420));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());

    Frame1 = new QFrame(this);
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setGeometry(twips(0, 90, 3675, 5850));

    QFont listFont(QStringLiteral("Arial"));
    listFont.setPointSizeF(9.75);
    listFont.setBold(true);
    List1 = new QListWidget(Frame1);
    List1->setGeometry(twips(240, 150, 3375, 4620));
    List1->setFont(listFont);
    QPalette pal = List1->palette();
    pal.setColor(QPalette::Base, QColor(150, 230, 180));
    pal.setColor(QPalette::Text, QColor(0, 0, 64));
    List1->setPalette(pal);

    for (int k = m_scorelijst.count() - 1; k >= 0; --k)
        List1->addItem(m_scorelijst.at(k).text());

    QFont countFont(QStringLiteral("Arial"));
    countFont.setPointSizeF(9.75);
    Label2 = new QLabel(QString::number(List1->count()) + QStringLiteral(" namen in de lijst"), Frame1);
    Label2->setFont(countFont);
    Label2->move(twips(4950, 150, 0, 0).topLeft());
    QPalette labelPal = Label2->palette();
    labelPal.setColor(QPalette::WindowText, QColor(128, 128, 128));
    Label2->setPalette(labelPal);
    Label2->adjustSize();

    const auto knop = [this](const QString &caption, int left, void (ScoreForm::*handler)()) {
        auto *button = new VistaButton(Frame1);
        button->setCaption(caption);
        button->setGeometry(twips(5370, left, 900, 330));
        connect(button, &VistaButton::clicked, this, handler);
        return button;
    };
    DeleteKnop = knop(QStringLiteral("Delete"), 135, &ScoreForm::DeleteKnop_Click);
    DeleteAllKnop = knop(QStringLiteral("Delete All"), 1080, &ScoreForm::DeleteAllKnop_Click);
    OkKnop = knop(QStringLiteral("Ok"), 2640, &ScoreForm::OkKnop_Click);
}

void ScoreForm::DeleteKnop_Click()
{
    if (List1->count() == 0)
        return;
    QListWidgetItem *selected = List1->currentItem();
    if (selected && !selected->isSelected())
        selected = nullptr;
    QString naam = selected ? selected->text().mid(7) : QString();
    if (naam.isEmpty())
        naam = QStringLiteral("...");
    if (!m_context.dialogs.ask(QStringLiteral("Wilt u '") + naam + QStringLiteral("' verwijderen uit de lijst?"),
                                 QStringLiteral(" Delete")))
        return;
    if (!selected) {
        m_context.dialogs.message(QStringLiteral("Eerst een naam selecteren..."), QStringLiteral(" Foutje"));
        return;
    }
    const QString line = selected->text();
    delete List1->takeItem(List1->row(selected));
    m_scorelijst.removeFirstEqual(ScoreEntry::fromText(line));
    saveScores();
}

void ScoreForm::DeleteAllKnop_Click()
{
    if (List1->count() == 0)
        return;
    if (!m_context.dialogs.ask(QStringLiteral("Wilt u alle ") + QString::number(List1->count())
                                     + QStringLiteral(" namen verwijderen?"),
                                 QStringLiteral(" Delete All")))
        return;
    List1->clear();
    m_scorelijst.clear();
    saveScores();
}

void ScoreForm::saveScores()
{
    // Written at once: the end of a game reads the file again before adding its score,
    // so a deletion kept only in memory would come back.
    ScoreFile::save(m_context.folders.dataFile(QStringLiteral("Scorelijst.lib")), m_scorelijst);
}

void ScoreForm::OkKnop_Click()
{
    accept();
}
