#pragma once

class QFile;

// Opens the file (named when it was made) for reading, but only when it is a regular
// file, and without waiting: a named pipe put where a data file belongs would otherwise
// hold the read until something writes to it, and a device such as /dev/zero would never
// end. Anything else is refused as a file that cannot be opened is.
bool openRegularFile(QFile &file);
