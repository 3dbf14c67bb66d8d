// Lexiparc — GPL-3.0-or-later.
#include "app/Frm02Charge.h"

#include "app/MDI.h"
#include "data/Resources.h"

#include <QTimer>

Frm02Charge::Frm02Charge(AppContext& ctx, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint), ctx_(ctx)
{
    setObjectName(QStringLiteral("Frm02Charge"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(420, 200);
    QTimer::singleShot(10, this, &Frm02Charge::Form_Load);
}

void Frm02Charge::Form_Load()
{
    // Interim loader: the dictionary only, then the main frame.
    try {
        ChargeDico(ctx_.words);
    } catch (const std::exception&) {
    }
    (new MDI(ctx_))->show();
    close();
}
