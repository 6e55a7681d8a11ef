#pragma once

class Clock;
class Dialogs;
class Folders;
class PrinterChoice;
class RandomSource;

// What the windows need from outside themselves, handed to each at construction: the
// real things in the program, fakes and a temporary folder in the tests.
struct AppContext {
    RandomSource &random;
    const Clock &clock;
    const Folders &folders;
    Dialogs &dialogs;
    PrinterChoice &printers;
};
