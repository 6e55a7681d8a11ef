#pragma once

#include <QString>

// Whether a text can go into one field of a data file and come back unchanged when the
// file is read again. The files hold Windows-1252 text without any escaping, in one of
// two forms: a bare field ends at a comma or a line end and loses blanks at both ends; a
// quoted field ends at the next double quote. A quoted line is a quoted field that must
// also stay one line. Finds the first thing the form cannot hold.
class FieldCheck
{
public:
    enum class Form { Bare, Quoted, QuotedLine };
    enum class Problem { None, Unencodable, Separator, LineEnd, EdgeBlank };

    FieldCheck(const QString &text, Form form);

    bool passed() const { return m_problem == Problem::None; }
    Problem problem() const { return m_problem; }
    // The refused character, a surrogate pair kept whole.
    QString character() const { return m_character; }

    // Why the text is refused, in Dutch, naming the field ("Trefwoord") and the file
    // ("het puzzelbestand") and, for a line end, what the file's lines part ("puzzels").
    // Empty when it passed.
    QString message(const QString &fieldName, const QString &fileName, const QString &records) const;

    // A character as a message names it: between quotes where it can be seen, with its
    // number where it cannot (a zero-width space), would sit on the quote (an accent) or
    // could be taken for another (a Greek or Cyrillic letter that looks Latin, a special
    // blank).
    static QString named(const QString &character);

private:

    Problem m_problem = Problem::None;
    QString m_character;
};
