// Lexiparc — GPL-3.0-or-later.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

// The state shared by the whole program: messages, errors, paths, display constants,
// options in memory and the cascade position of tool windows. One instance for the run.
struct Module {
    QString SautLigne;
    QString MsgTitre;
    QString MsgTexte;
    int MsgReponse = 0;
    int ErrNumero = 0;
    QString ErrCode;

    QString CheminApp;
    QString FichierDef;
    QString VersionProg;

    qint32 NbMots = 0;
    qint32 NbDefinitions = 0;
    float NbSynonymes = 0;
    qint16 LongMaxDef = 0;
    std::array<qint16, 26> NbSyno{};  // records of each synonym letter, A at 0

    std::uint8_t OptChargeAnag = 0;
    std::uint8_t OptChargeSyno = 0;
    QString OptCouleurMDI;
    QString OptCouleurBar;

    qint16 PosGauche = 0;
    qint16 PosHaut = 0;
};

// The program's version text, the design caption of the start screen's version label.
inline constexpr const char* kVersionText = "1.20";
