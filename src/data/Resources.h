// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "data/WordData.h"

#include <QString>
#include <QStringList>

// Reads an embedded resource by its type name ("DICO", "ANA", "SYNONYA"...) and cuts it into
// records. A missing resource raises a RuntimeError (326).
QStringList ChargeRessource(const QString& type, int id);
// The same records held as a compact word list.
ListeMots ChargeListeMots(const QString& type, int id);

// The loaders of the word tables.
void ChargeDico(WordData& data);                      // DicoWords from "DICO"
void ChargeListeAna(WordData& data);                  // AnaWords from "ANA"
void ChargeLettreSyno(WordData& data, QChar letter);  // TabSyno/TabCleSyno from "SYNONY" + letter
