// Lexiparc — GPL-3.0-or-later.
#include "common/Windows.h"

#include "common/AppContext.h"
#include "common/Colors.h"

#include <QMdiSubWindow>
#include <QWidget>

namespace {
QWidget* frameOf(QWidget* w)
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget()))
        return sub;
    return w;
}
}

void placeFenetre(QWidget* window, int leftTwips, int topTwips)
{
    if (window)
        frameOf(window)->move(twipsToPixels(leftTwips), twipsToPixels(topTwips));
}

void fermeFenetre(QWidget* window)
{
    if (window)
        frameOf(window)->close();
}

void CentreFenetre(QWidget* window, int screenWidthTwips, int screenHeightTwips, int divisor,
                   int offsetTwips)
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
