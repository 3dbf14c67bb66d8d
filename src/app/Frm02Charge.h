// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "common/AppContext.h"

#include <QWidget>
#include <array>
#include <functional>

class QLabel;
class QPushButton;
class QTimer;

// The loading screen: fills the word tables through a chain of one-shot timers, one data
// set a step, plays a short end animation, then shows the main frame and closes.
class Frm02Charge : public QWidget {
    Q_OBJECT
public:
    explicit Frm02Charge(AppContext& ctx, QWidget* parent = nullptr);

    // The loaders of the chain; tests replace them to make a step fail.
    struct Chargeurs {
        std::function<void(WordData&)> dico;
        std::function<void(WordData&)> listeAna;
        std::function<void(WordData&, QChar)> lettreSyno;
    };
    Chargeurs chargeurs;
    // Shows the main frame at the end of the chain.
    std::function<void(AppContext&)> montreMDI;

    QLabel* Lbl = nullptr;
    QWidget* ShaH = nullptr;
    QLabel* ImgLogo = nullptr;
    QLabel* ImgL = nullptr;
    QLabel* LblMotDef = nullptr;
    QLabel* LblVer = nullptr;
    QLabel* LblInf1 = nullptr;
    QLabel* LblInf = nullptr;
    std::array<QLabel*, 3> LblChargement{};
    std::array<QLabel*, 3> ImgCoche2{};
    QPushButton* Foc = nullptr;
    QTimer* Tim1a9 = nullptr;
    QTimer* TimAna = nullptr;
    QTimer* TimAnaBis = nullptr;
    std::array<QTimer*, 26> TimLettre{};  // TimA .. TimZ
    QTimer* TimTempo = nullptr;
    QTimer* TimFin = nullptr;

    qint16 CptTempo = 0;

public slots:
    void Form_Load();
    void Tim1a9_Timer();
    void TimAna_Timer();
    void TimAnaBis_Timer();
    // TimA .. TimZ: the synonyms of one letter (0 = A).
    void TimLettre_Timer(int rang);
    void TimTempo_Timer();
    void TimFin_Timer();
    void Foc_Click();

private:
    // Runs one loading step's work; a RuntimeError is reported and the chain goes on.
    bool charge(const std::function<void()>& work);
    void montrePourcentage(int etape);
    void ligneChargee(int i, const QString& texte);

    AppContext& ctx_;
};
