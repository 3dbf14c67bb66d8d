// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "common/AppContext.h"
#include "data/WordData.h"

#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;
class QTimer;

// The start screen: fills the shared state, refuses a second instance, reads or writes the
// settings, then hands over to the loading screen about 0.6 s after it opened.
class Frm01Boot : public QWidget {
    Q_OBJECT
public:
    explicit Frm01Boot(AppContext& ctx, QWidget* parent = nullptr);

    // Made by the end timer; replaced in tests.
    std::function<void(AppContext&)> montreChargement;

    QFrame* Fra1 = nullptr;
    QLabel* ImgLogo = nullptr;  // element 1 of the logo images
    QLabel* ImgL = nullptr;     // hidden holder of the logo picture
    QLabel* Lbl2 = nullptr;
    QLabel* LblVersion = nullptr;
    QLabel* LblVerA = nullptr;
    QLabel* LblVerB = nullptr;
    QPushButton* CmdQuitter = nullptr;
    QPushButton* CmdSite = nullptr;
    QPushButton* Foc = nullptr;
    QTimer* TimReg = nullptr;
    QTimer* TimFin = nullptr;

public slots:
    void Form_Load();
    void TimReg_Timer();
    void TimFin_Timer();
    void CmdQuitter_Click();
    void CmdSite_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Tells the user that the settings could not be read or written.
    void signaleOptions(const QString& texte);

    AppContext& ctx_;
};
