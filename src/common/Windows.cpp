// Lexiparc — GPL-3.0-or-later.
#include "common/Windows.h"

#include "common/AppContext.h"
#include "common/Colors.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QWidget>
#include <algorithm>

QWidget* frameOf(QWidget* w)
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget()))
        return sub;
    return w;
}

void fermeFenetre(QWidget* window)
{
    if (window)
        frameOf(window)->close();
}

void texteAjuste(QLabel* label, const QString& texte, const QFont& police)
{
    const int place = label->contentsRect().width() - 2 * label->margin();
    auto largeur = [&](const QFont& f) { return QFontMetrics(f).horizontalAdvance(texte); };
    QFont f = police;
    const int pleine = largeur(f);
    if (pleine > place && place > 0) {
        constexpr int kEtroitMin = 50;
        f.setStretch(std::max(kEtroitMin, 100 * place / pleine));
        while (largeur(f) > place && f.stretch() > kEtroitMin)
            f.setStretch(f.stretch() - 1);
        while (largeur(f) > place && f.pointSizeF() > 4)
            f.setPointSizeF(f.pointSizeF() - 0.5);
    }
    label->setFont(f);
    label->setText(texte);
}

void CentreFenetre(QWidget* window, int screenWidthTwips, int screenHeightTwips, int divisor, int offsetTwips)
{
    const int w = pixelsToTwips(window->width());
    const int h = pixelsToTwips(window->height());
    const int left = (screenWidthTwips - w) / 2;
    const int top = (screenHeightTwips - h) / divisor - offsetTwips;
    window->move(twipsToPixels(left), twipsToPixels(top));
}

void OuvreSiteProgramme(AppContext& ctx, QWidget* foc)
{
    if (foc)
        foc->setFocus();
    ctx.platform.openUrl(QString::fromLatin1(kSiteProgramme));
}

void DeplaceFenetre(AppContext& ctx, QWidget* window)
{
    ctx.platform.dragWindow(window);
}

bool presseBoutonParDefaut(const QKeyEvent* event, QPushButton* bouton)
{
    if ((event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) || !bouton->isDefault() ||
        !bouton->isEnabled())
        return false;
    bouton->click();
    return true;
}
