// Lexiparc — GPL-3.0-or-later.
#include "common/InternalError.h"

QString texteErreurInterne(const QString& saut, const QString& code, const RuntimeError& e)
{
    return e.description() + QString(17, u' ') + saut + QStringLiteral("Erreur interne ") + code +
           QStringLiteral(" - ") + QString::number(e.number());
}

void SignaleErreurInterne(AppContext& ctx, QWidget* parent, const QString& code, const RuntimeError& e)
{
    Module& m = ctx.module;
    m.ErrNumero = e.number();
    m.ErrCode = code;
    m.MsgTexte = texteErreurInterne(m.SautLigne, code, e);
    m.MsgReponse = ctx.platform.messageBox(parent, m.MsgTexte, m.MsgTitre, Platform::Icon::Critical,
                                           Platform::Buttons::Ok);
}
