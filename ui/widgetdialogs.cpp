#include "ui/widgetdialogs.h"
#include "ui/keptonscreen.h"
#include "ui/typedtext.h"

#include "ui/windowscaler.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QStyle>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace {

// The window a box stands over: the active one, else one the program shows. Where no
// window is active (the clock ends a game while the player is elsewhere) a box without
// an owner could be put behind the full-screen board by the window manager, blocking it
// unseen.
QWidget *ownerWindow()
{
    if (QWidget *active = QApplication::activeWindow())
        return active;
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && !window->isMinimized() && window->windowType() != Qt::ToolTip
            && window->windowType() != Qt::Popup)
            return window;
    }
    return nullptr;
}

QMessageBox::Icon boxIcon(Dialogs::Icon icon)
{
    switch (icon) {
    case Dialogs::Icon::Critical: return QMessageBox::Critical;
    case Dialogs::Icon::Exclamation: return QMessageBox::Warning;
    case Dialogs::Icon::Information: return QMessageBox::Information;
    case Dialogs::Icon::Question: return QMessageBox::Question;
    case Dialogs::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

QString titleOrDefault(const QString &title)
{
    return title.isEmpty() ? Dialogs::applicationTitle() : title;
}

QStyle::StandardPixmap standardPixmap(QMessageBox::Icon icon)
{
    switch (icon) {
    case QMessageBox::Critical: return QStyle::SP_MessageBoxCritical;
    case QMessageBox::Warning: return QStyle::SP_MessageBoxWarning;
    case QMessageBox::Question: return QStyle::SP_MessageBoxQuestion;
    default: return QStyle::SP_MessageBoxInformation;
    }
}

// The box's icon drawn at the grown size. Qt names the label that shows it;
// the box keeps its icon() (screen readers and sounds go by it).
// A text laid out in short lines of its own (the game's help) keeps them: the box would
// wrap each again where it is wider than half a small screen or than a grown font allows,
// leaving a word alone on every other line. Its label is made as wide as the longest line.
// Paragraphs (a line longer than a printed line) are left to the box's own wrapping.
void keepLinesWhole(QMessageBox *box)
{
    constexpr qsizetype printedLine = 80;
    auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
    const QStringList lines = box->text().split(u'\n');
    if (!label || lines.size() < 2
        || std::any_of(lines.cbegin(), lines.cend(), [](const QString &line) { return line.size() > printedLine; }))
        return;
    const QFontMetrics metrics(label->font());
    int widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line.trimmed()));
    // With the label's margins, and a blank's width for the layout's rounding, so the
    // longest line never loses its last word to the next.
    const QMargins margins = label->contentsMargins();
    label->setMinimumWidth(widest + margins.left() + margins.right() + 2 * label->margin()
                           + metrics.horizontalAdvance(u' '));
}

void scaleIcon(QMessageBox *box, double factor)
{
    auto *iconLabel = box->findChild<QLabel *>(QStringLiteral("qt_msgboxex_icon_label"));
    if (factor == 1.0 || !iconLabel || iconLabel->pixmap().isNull() || box->icon() == QMessageBox::NoIcon)
        return;
    const QSize size = (iconLabel->pixmap().deviceIndependentSize() * factor).toSize();
    const qreal ratio = box->devicePixelRatio();
    QPixmap pixmap = box->style()->standardIcon(standardPixmap(box->icon()), nullptr, box).pixmap(size, ratio);
    // An icon without a drawing that large is stretched smoothly rather than left small.
    if (pixmap.deviceIndependentSize().toSize() != size) {
        pixmap = pixmap.scaled(size * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        pixmap.setDevicePixelRatio(ratio);
    }
    iconLabel->setPixmap(pixmap);
}

// A window the player closes hands the keyboard back to the window it stands over. A window
// manager would; without one (a kiosk's bare X server) no window of the program would be
// active, and the keys of the window as a whole (Ctrl+O on the board) would reach nothing,
// while typed text still arrived. The boxes the program closes itself (as a game ends, maybe
// while the player is in another program) take the keyboard from no one.
void returnKeyboardToOwner(QWidget *closing)
{
    QWidget *owner = closing->parentWidget() ? closing->parentWidget()->window() : nullptr;
    const QWindow *focus = QGuiApplication::focusWindow();
    if (owner && owner->isVisible() && (!focus || focus == closing->windowHandle()))
        owner->activateWindow();
}

// Keys on their way to where the player was typing do not answer a box that has just come:
// the repeats of a held key never answer a box (Enter held in the editor would delete row
// after row, each question answered as it opens), and a box that opens by itself takes no
// key at all in its first moment.
class KeysOnTheirWay : public QObject
{
public:
    enum class Buttons { StayOn, OffMeanwhile };

    KeysOnTheirWay(QWidget *box, int quietMs, Buttons buttonsMeanwhile = Buttons::StayOn)
        : QObject(box), m_box(box), m_quietMs(quietMs)
    {
        m_opened.start();
        // The keys go to the box's button or text box; only the application sees them all.
        qApp->installEventFilter(this);
        // A message box's buttons are off meanwhile, so it shows (and a screen reader says)
        // that it does not take an answer yet; then Enter answers it by its default button.
        // The focus is not moved then: a screen reader would stop reading the box's text.
        // A side window keeps its own (the scores keep the game's line chosen).
        if (quietMs <= 0 || buttonsMeanwhile == Buttons::StayOn)
            return;
        const QList<QAbstractButton *> buttons = box->findChildren<QAbstractButton *>();
        for (QAbstractButton *button : buttons)
            button->setEnabled(false);
        QTimer::singleShot(quietMs, this, [buttons] {
            for (QAbstractButton *button : buttons)
                button->setEnabled(true);
        });
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType()
            || static_cast<QWidget *>(watched)->window() != m_box)
            return false;
        if (m_opened.elapsed() < m_quietMs)
            return true;
        const auto *key = static_cast<QKeyEvent *>(event);
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape: return key->isAutoRepeat();
        default: return false;
        }
    }

private:
    QWidget *m_box;
    int m_quietMs;
    QElapsedTimer m_opened;
};

// Set on a box that closeOpen() closes: what waits for the player's answer does not run.
const char *const s_closedUnanswered = "closedUnanswered";

} // namespace

void WidgetDialogs::message(const QString &text, const QString &title, Icon icon)
{
    QMessageBox box(boxIcon(icon), titleOrDefault(title), text, QMessageBox::Ok, ownerWindow());
    track(&box);
    box.exec();
}

bool WidgetDialogs::ask(const QString &text, const QString &title, Icon icon, Answer defaultAnswer)
{
    QMessageBox box(boxIcon(icon), titleOrDefault(title), text, QMessageBox::Yes | QMessageBox::No,
                    ownerWindow());
    box.setDefaultButton(defaultAnswer == Answer::No ? QMessageBox::No : QMessageBox::Yes);
    track(&box);
    return box.exec() == QMessageBox::Yes;
}

Dialogs::Answer WidgetDialogs::askYesNoCancel(const QString &text, const QString &title, Icon icon)
{
    QMessageBox box(boxIcon(icon), titleOrDefault(title), text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                    ownerWindow());
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    track(&box);
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

QString WidgetDialogs::input(const QString &prompt, const QString &title, const QString &proposed)
{
    QInputDialog box(ownerWindow());
    box.setWindowTitle(titleOrDefault(title));
    box.setLabelText(prompt);
    // The box is made by the first text given to it, and would cut a longer one.
    box.setTextValue(QString());
    if (auto *line = box.findChild<QLineEdit *>())
        TypedText::keepWhole(line);
    box.setTextValue(proposed);
    track(&box);
    return box.exec() == QDialog::Accepted ? box.textValue() : QString();
}

void WidgetDialogs::showModal(QWidget *window, Opening opening)
{
    QPointer<QWidget> guard(window);
    // A side window closes on Enter or Escape too (the scores after a game): not on the
    // repeats of a key held since the box before it, nor, where it follows the end of a
    // game, on keys still meant for the answer box.
    new KeysOnTheirWay(window, opening == Opening::ByItself ? m_quietMs : 0);
    if (auto *dialog = qobject_cast<QDialog *>(window)) {
        dialog->exec();
    } else {
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->setWindowModality(Qt::ApplicationModal);
        QEventLoop loop;
        QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
        window->show();
        while (guard && guard->isVisible())
            loop.processEvents(QEventLoop::WaitForMoreEvents);
    }
    if (guard)
        returnKeyboardToOwner(guard);
    delete guard.data();
}

void WidgetDialogs::notify(const QString &text, const QString &title, const std::function<void()> &closed)
{
    auto *box = new QMessageBox(QMessageBox::NoIcon, titleOrDefault(title), text, QMessageBox::Ok,
                                ownerWindow());
    box->setDefaultButton(QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(box, &QMessageBox::finished, box, [box, closed](int) {
        if (closed && !box->property(s_closedUnanswered).toBool())
            closed();
    });
    track(box, Opening::ByItself);
    showBlockingEveryWindow(box);
}

void WidgetDialogs::askLater(const QString &text, const QString &title, Answer defaultAnswer,
                             const std::function<void(bool)> &answered)
{
    auto *box = new QMessageBox(QMessageBox::NoIcon, titleOrDefault(title), text, QMessageBox::Yes | QMessageBox::No,
                                ownerWindow());
    box->setDefaultButton(defaultAnswer == Answer::No ? QMessageBox::No : QMessageBox::Yes);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(box, &QMessageBox::finished, box, [box, answered](int) {
        if (answered)
            answered(box->standardButton(box->clickedButton()) == QMessageBox::Yes);
    });
    track(box);
    showBlockingEveryWindow(box);
}

void WidgetDialogs::showBlockingEveryWindow(QDialog *box)
{
    // Shown without waiting, yet blocking every window of the program as a waiting box
    // does: a box made modal to its parent alone blocks nothing where no window was active
    // as it opened, as when the clock ends a game.
    box->setWindowModality(Qt::ApplicationModal);
    box->show();
}

void WidgetDialogs::track(QDialog *box, Opening opening)
{
    WindowScaler::scaleFont(box, m_scale);
    new KeysOnTheirWay(box, opening == Opening::ByItself ? m_quietMs : 0, KeysOnTheirWay::Buttons::OffMeanwhile);
    keepOnScreen(box);
    QObject::connect(box, &QDialog::finished, box, [box] {
        if (!box->property(s_closedUnanswered).toBool())
            returnKeyboardToOwner(box);
    });
    if (auto *messageBox = qobject_cast<QMessageBox *>(box)) {
        scaleIcon(messageBox, m_scale);
        keepLinesWhole(messageBox);
    }
    m_open.removeAll(QPointer<QDialog>());
    m_open.append(box);
}

void WidgetDialogs::closeOpen()
{
    // Newest first, so a box opened over another closes before the one under it.
    const QList<QPointer<QDialog>> open = m_open;
    for (auto box = open.crbegin(); box != open.crend(); ++box) {
        if (!*box || !(*box)->isVisible())
            continue;
        (*box)->setProperty(s_closedUnanswered, true);
        (*box)->reject();
    }
    m_open.removeAll(QPointer<QDialog>());
}
