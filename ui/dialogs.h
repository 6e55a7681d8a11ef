#pragma once

#include <QString>

#include <functional>

class QWidget;

// Message boxes, the input box and modal windows, behind one interface so the windows
// can be driven without a person answering: tests answer from a queue.
class Dialogs
{
public:
    enum class Icon { None, Critical, Exclamation, Information, Question };
    enum class Answer { Yes, No, Cancel };

    virtual ~Dialogs() = default;

    // A message with only an OK button; returns when it is closed.
    virtual void message(const QString &text, const QString &title, Icon icon = Icon::None) = 0;
    // A message with only an OK button that does not hold up the caller: timers and the
    // game clock run on while it is open. 'closed' runs once it has been dismissed.
    virtual void notify(const QString &text, const QString &title, const std::function<void()> &closed) = 0;
    // A Yes/No question; true for Yes. 'defaultAnswer' is the button Enter presses: No
    // where Yes would lose something the player cannot get back.
    virtual bool ask(const QString &text, const QString &title, Icon icon = Icon::None,
                     Answer defaultAnswer = Answer::Yes) = 0;
    // A Yes/No question that does not hold up the caller, as notify(): 'answered' runs with
    // true for Yes once it is answered. 'defaultAnswer' as for ask().
    virtual void askLater(const QString &text, const QString &title, Answer defaultAnswer,
                          const std::function<void(bool)> &answered) = 0;
    // Closes every message, question and input box still open, each with its harmless
    // answer: a question says No (a later one runs 'answered' with false), an input box
    // cancels, and a notice closes without running its 'closed'. For the end of a game,
    // which must not follow a message about a round that is over.
    virtual void closeOpen() = 0;
    // Message boxes and the input box grow by 'factor' with the windows they stand over.
    virtual void setScale(double factor) = 0;
    // A question with Yes, No and Cancel; closing the box counts as Cancel.
    virtual Answer askYesNoCancel(const QString &text, const QString &title, Icon icon = Icon::None) = 0;
    // An input box; cancelling gives an empty text.
    virtual QString input(const QString &prompt, const QString &title, const QString &proposed) = 0;
    // How a box or window comes: as the player asked, or by itself (the end of a round or
    // a game, and what follows it at once), maybe while the player types elsewhere; then
    // it takes no key for a moment.
    enum class Opening { AsAsked, ByItself };
    // Shows the window modally and returns when it has closed. Takes ownership.
    virtual void showModal(QWidget *window, Opening opening = Opening::AsAsked) = 0;

    // The title of a message box that has none of its own.
    static QString applicationTitle() { return QStringLiteral("Raadkwartet"); }
};
