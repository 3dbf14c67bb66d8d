// Lexiparc — GPL-3.0-or-later.
#pragma once

#include <QString>
#include <cstdint>

// A load option as the settings hold it: a number (decimal, "&H" or "&O") rounded to a whole
// number 0 to 255; anything else 0.
std::uint8_t loadOptionFromText(const QString& text);

// The messages shown when the settings file cannot be read at start, or the options cannot be
// stored in it.
QString messageOptionsNonLues(const QString& sautLigne, const QString& fichier);
QString messageOptionsNonEnregistrees(const QString& sautLigne, const QString& fichier);

// The settings keys and their first-run values.
inline constexpr const char* kCleChargeAnag = "ChargeAnag";
inline constexpr const char* kCleChargeSyno = "ChargeSyno";
inline constexpr const char* kCleCouleurMDI = "CouleurMDI";
inline constexpr const char* kCleCouleurBar = "CouleurBar";
inline constexpr const char* kCouleurMDIDefaut = "&HFFFFFF";
inline constexpr const char* kCouleurBarDefaut = "&HE0E0E0";
