#pragma once

#include "game/datamodule.h"

#include <QString>

// The running game's values, held by the main window for the whole run.
struct GameState {
    enum class Fase { Idle, Running, Ended };

    qint32 Score = 0;
    qint32 TijdOver = 0;
    QString NaamSpeler;
    int AantalItems = 0;
    Ronde ronde;
    Fase fase = Fase::Idle;
};
