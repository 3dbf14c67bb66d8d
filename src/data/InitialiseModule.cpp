// Lexiparc — GPL-3.0-or-later.
#include "data/InitialiseModule.h"

#include "common/Paths.h"
#include "data/DataCounts.h"

void initialiseModule(Module& m, const QString& applicationFolder, const QString& version)
{
    m.CheminApp = cheminAvecSeparateur(applicationFolder);
    m.SautLigne = QStringLiteral("\r\n");
    m.MsgTitre = QStringLiteral("Lexiparc");
    m.FichierDef = fichierDefinitions(m.CheminApp, version);
    m.NbMots = DataCounts::kNbMots;
    m.NbDefinitions = DataCounts::kNbDefinitions;
    m.NbSynonymes = float(DataCounts::kNbSynonymes);
    m.LongMaxDef = qint16(DataCounts::kLongMaxDef);
    for (size_t i = 0; i < 26; ++i)
        m.NbSyno[i] = qint16(DataCounts::kNbSyno[i]);
}
