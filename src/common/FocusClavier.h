// Lexiparc — GPL-3.0-or-later.
#pragma once

class QKeyEvent;
class QListWidget;
class QWidget;

// With no row selected, the Down key selects the first row of a list. A list given the focus
// makes its first row current without selecting it, so Down would otherwise go straight to
// the second row. True when the key was taken.
bool premiereLigneAuClavier(QListWidget* liste, const QKeyEvent* event);

// True when the keyboard focus is in `window`, or, while no window of the program has the
// focus, when `window` is the one the main frame holds active: giving the focus to one of its
// controls then brings no other window to the front.
bool focusDansFenetre(QWidget* window);
