// Lexiparc — GPL-3.0-or-later.
#pragma once

#include <QStringList>

// The commune tables of the postal-code window, each sized by its list: the records of the
// list in postal-code order with their keys (postal code, blank, routing name), and the
// records of the list in name order with their keys (routing name). Index i of the two
// halves holds unrelated communes.
struct CommuneTables {
    QStringList TabCP;
    QStringList TabCleCP;
    QStringList TabNom;
    QStringList TabCleNom;
    // TabCleCP is in ascending order (set by remplitTablesCP): the keys of one prefix follow
    // each other.
    bool clesCPTriees = false;
};

// Fills TabCP/TabCleCP from the records of the postal-code list: each record, and its key,
// the text before its first "§". A record without "§" raises a RuntimeError and leaves both
// tables as they were.
void remplitTablesCP(CommuneTables& tables, const QStringList& records);
// Fills TabNom/TabCleNom from the records of the name list; the key is the text before the
// first "$". A record without "$" raises a RuntimeError and leaves both tables as they were.
void remplitTablesNom(CommuneTables& tables, const QStringList& records);
