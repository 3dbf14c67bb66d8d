// Lexiparc — GPL-3.0-or-later.
// Draws the main frame with the dictionary and synonym windows open into a PNG, for the
// README: lexiparc-screenshot FILE.png (run it offscreen or under a virtual display).
#include "app/Fabriques.h"
#include "app/MDI.h"
#include "data/Resources.h"
#include "platform/FakePlatform.h"
#include "tools/dictionary/Frm10Dico.h"
#include "tools/synonyms/Frm12Syno.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QTest>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2)
        return 2;
    Module module;
    initialiseModule(module, QStringLiteral(LEXIPARC_SOURCE_DIR "/resources"), QStringLiteral("1.20"));
    module.VersionProg = QStringLiteral("1.20");
    module.OptChargeAnag = 1;
    module.OptChargeSyno = 1;
    module.OptCouleurMDI = QStringLiteral("&HFFFFFF");
    module.OptCouleurBar = QStringLiteral("&HE0E0E0");
    WordData words;
    ChargeDico(words);
    words.SynoLoaded = 1;
    for (char16_t l = u'A'; l <= u'Z'; ++l)
        ChargeLettreSyno(words, QChar(l));
    FakePlatform platform;
    AppContext ctx{module, words, platform};

    MDI mdi(ctx);
    mdi.show();
    QTest::qWait(300);
    auto* dico = qobject_cast<Frm10Dico*>(mdi.OuvreOutil(FabriqueFrm10Dico));
    QTest::qWait(300);
    dico->TxtCtrl->setText(QStringLiteral("ABRICOT"));
    dico->CmdCtrl->click();
    QTest::qWait(800);
    auto* syno = qobject_cast<Frm12Syno*>(mdi.OuvreOutil(FabriqueFrm12Syno));
    QTest::qWait(800);
    // Side by side rather than in cascade, so that both show.
    QWidget* frame = syno->parentWidget();
    frame->move(mdi.zone()->width() - frame->width() - 8, mdi.zone()->height() - frame->height() - 8);
    syno->Cbo2->setEditText(QStringLiteral("maison"));
    QTest::qWait(300);
    syno->Foc->click();
    QTest::qWait(1200);
    return mdi.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
