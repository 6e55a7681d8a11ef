#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Reads the fields of a sequential text file, the way the program's data files are
// written: a comma or a line end (CR LF, LF or a lone CR) ends a field; blanks at
// the start of a field are skipped; a field that opens with a double quote runs to
// the next double quote (across line ends, or to the end of the data when none
// follows) and whatever stands after the closing quote up to the next comma or line
// end is skipped; an unquoted field loses its trailing blanks. Bytes are Windows-1252.
class FieldReader
{
public:
    explicit FieldReader(QByteArray bytes);

    // True once every byte has been consumed.
    bool atEnd() const { return m_pos >= m_bytes.size(); }

    // The next field; nothing when the data is already at its end.
    std::optional<QString> field();

    // The next field as a whole number within [min, max]. An empty field reads as 0,
    // a fraction is rounded half to even; text that is not a number, a number out of
    // range, or the end of the data gives nothing.
    std::optional<qint64> number(qint64 min, qint64 max);

    // The rest of the current line, up to (not including) its line end.
    std::optional<QString> line();

    // Whether the last field dropped text: anything but blanks after its closing quote.
    // Such a field cannot be written back from what field() gave.
    bool lastFieldLostText() const { return m_lostText; }
    // Whether the last field ended its line: a line end or the end of the data came after
    // it, not a comma.
    bool lastFieldEndedLine() const { return m_fieldEnd >= m_bytes.size() || m_bytes.at(m_fieldEnd) != ','; }
    // Where the next field begins its search, in bytes from the start of the data.
    qsizetype position() const { return m_pos; }
    // Where the last field ended: at the comma or line end after it, or the data's end.
    qsizetype lastFieldEnd() const { return m_fieldEnd; }
    // The last field's bytes as the data held them: from its first character that is not
    // a blank up to (not including) the comma or line end after it.
    QByteArray lastFieldBytes() const { return m_bytes.mid(m_fieldStart, m_fieldEnd - m_fieldStart); }

private:
    bool atLineEnd() const;
    void skipLineEnd();

    QByteArray m_bytes;
    qsizetype m_pos = 0;
    bool m_lastWasQuoted = false;
    bool m_lostText = false;
    qsizetype m_fieldStart = 0;
    qsizetype m_fieldEnd = 0;
};

// Parses a plain decimal number ("-12", "600", "10.5", "1e3"): the whole text must be
// the number. Rounded half to even to a whole number within [min, max].
std::optional<qint64> parseWholeNumber(const QString &text, qint64 min, qint64 max);
