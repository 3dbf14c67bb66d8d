// Lexiparc — GPL-3.0-or-later.
#include "app/Frm01Boot.h"
#include "common/ClavierBureau.h"
#include "common/Module.h"
#include "data/WordData.h"
#include "platform/QtPlatform.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lexiparc"));
    QApplication::setOrganizationName(QStringLiteral("LXPC"));
    Q_INIT_RESOURCE(images);
    Q_INIT_RESOURCE(icons);
    installProgramIcon();
    // Qt's standard buttons and dialogs speak French like the rest of the program.
    installQtFrenchTexts(app);
    // Enter presses the focused button; controls out of sight are no Tab stops.
    ClavierBureau clavier;

    Module module;
    WordData words;
    QtPlatform platform;
    AppContext ctx{module, words, platform};

    auto* boot = new Frm01Boot(ctx);
    boot->show();
    return app.exec();
}
