// Lexiparc — GPL-3.0-or-later.
#pragma once

class QFont;
class QKeyEvent;
class QPushButton;
class QLabel;
class QString;
class QWidget;

// The window itself, or the child window of the main frame that holds it.
QWidget* frameOf(QWidget* w);
// Closes a window, or the child window of the main frame that holds it.
void fermeFenetre(QWidget* window);
// Centres a top-level window on the screen: left at half the free width, top at the free
// height divided by `divisor` less `offsetTwips`.
void CentreFenetre(QWidget* window, int screenWidthTwips, int screenHeightTwips, int divisor, int offsetTwips = 0);

// The Enter key presses a window's default button while it is enabled; true when it did.
bool presseBoutonParDefaut(const QKeyEvent* event, QPushButton* bouton);
// Shows a text whole on one line of a label of fixed size: in `police` when it fits, otherwise
// in `police` narrowed just enough (and, past half its width, made smaller).
void texteAjuste(QLabel* label, const QString& texte, const QFont& police);

struct AppContext;

// The program's web site.
inline constexpr const char* kSiteProgramme = "https://lexiparc.fr/";

// Opens the program's web site; the focus first goes to the window's focus button. A browser
// that does not start is not reported.
void OuvreSiteProgramme(AppContext& ctx, QWidget* foc);
// Drags a window by its background, frame, images or labels.
void DeplaceFenetre(AppContext& ctx, QWidget* window);
