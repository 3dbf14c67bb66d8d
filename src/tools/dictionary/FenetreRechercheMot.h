// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "common/AppContext.h"

#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
struct ResultatDico;
enum class VarianteRecherche;

// What the dictionary window and the Scrabble check window share: the text box with its
// letter counter and search button, the deferred lookup with its wait state, the score
// labels, the blinking not-admitted notice and the information image that explains it.
// Each window builds and places these controls and keeps its own handlers; the handlers
// that are the same for both live here.
class FenetreRechercheMot : public QWidget {
    Q_OBJECT
public:
    qint16 ChercheLet(const QString& Mot, const QString& LETTRE) const;
    QString GetIni(const QString& Filename, const QString& Contener, const QString& Variable) const;

    QLineEdit* TxtCtrl = nullptr;
    QLabel* LblN = nullptr;
    QPushButton* CmdCtrl = nullptr;
    QLabel* LblD = nullptr;
    QLabel* LblDef3 = nullptr;
    QLabel* LblDef4 = nullptr;
    QLabel* LblValideODS = nullptr;
    QLabel* ImfInfo = nullptr;
    QLabel* LblPts = nullptr;
    std::array<QLabel*, 3> Lbl{};  // "Ce mot rapporte", "points au scrabble.", the validity sentence
    QTimer* TimCherche = nullptr;
    QTimer* TimCligno = nullptr;

    qint16 NbClignotements = 0;

public slots:
    void ImfInfo_Click();
    void TimCligno_Timer();

protected:
    FenetreRechercheMot(AppContext& ctx, QWidget* parent);

    // A label that shows its text as plain text.
    static QLabel* labelTexte(QWidget* parent, const QString& name, const QString& text, const QRect& geometry);
    // The controls both windows have, created unplaced; the timers are connected and the
    // information image answers a click. The window places them and connects its handlers.
    void creeControlesCommuns();
    // The state at load: no result, search unavailable.
    void etatInitial();
    // The size of the window (twips) and its place in the cascade of tool windows.
    void placeFenetre(int largeurTwips, int hauteurTwips);

    void arreteClignotement();
    // The letter counter, the search button's state and role, and the result labels cleared.
    void changeTexteCommun();
    // The wait state and the lookup armed 100 ms later.
    void attenteCommune();
    // Runs the lookup with the window disabled; finRecherche ends the wait state.
    ResultatDico lanceRecherche(VarianteRecherche variante);
    // The message of a lookup that could not read the definitions file, if any.
    void signaleFichier(const ResultatDico& r);
    void finRecherche();

    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    AppContext& ctx_;

private:
    QWidget* focusAvantRecherche_ = nullptr;
};
