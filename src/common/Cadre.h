// Lexiparc — GPL-3.0-or-later.
#pragma once

#include <QMainWindow>
#include <QSize>

struct AppContext;
class QColor;
class QMdiSubWindow;

// How the main frame makes one of its windows; each window's folder defines its own.
struct Fabrique {
    QWidget* (*create)(AppContext& ctx) = nullptr;
};

// The main frame as its windows see it, through AppContext::mdi: the frame's own class lives
// above the windows and is never included by them.
class Cadre : public QMainWindow {
    Q_OBJECT
public:
    using QMainWindow::QMainWindow;

    // Opens a window of the frame, or gives the focus to it when it is already shown.
    // Returns the window (null for an empty Fabrique).
    virtual QWidget* OuvreOutil(const Fabrique& fabrique) = 0;
    // Shows a window as a child window of the frame, where the window placed itself.
    virtual QMdiSubWindow* ajouteFenetre(QWidget* window) = 0;
    // The frame's outer size, in twips.
    virtual QSize tailleEnTwips() const = 0;

    virtual void metCouleurFenetre(const QColor& color) = 0;  // background of the client area
    virtual void metCouleurBarre(const QColor& color) = 0;    // background of the tool bar
};
