// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "common/AppContext.h"

#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;

// The page of the conditions of use that the about box links to.
inline constexpr const char* kPageCertificat = "https://lexiparc.fr/conditions.html";

// The about box: version, description, legal notice, links to the web site and to the
// conditions of use, and the contact form. Centred in the main frame.
class Frm20About : public QWidget {
    Q_OBJECT
public:
    explicit Frm20About(AppContext& ctx, QWidget* parent = nullptr);

    QFrame* FraLoad = nullptr;
    QFrame* Sha1 = nullptr;
    QLabel* ImgLogoGauche = nullptr;
    QLabel* ImgL = nullptr;
    QLabel* LblVerA = nullptr;
    QLabel* LblVerB = nullptr;
    QLabel* LblDescription = nullptr;
    QLabel* LblInf2 = nullptr;
    QLabel* LblCertificat = nullptr;
    QPushButton* CmdSite = nullptr;
    QPushButton* CmdContact = nullptr;
    QPushButton* CmdFerme = nullptr;
    QPushButton* Foc = nullptr;

public slots:
    void Form_Load();
    void CmdSite_Click();
    void LblCertificat_Click();
    void CmdContact_Click();
    void CmdFerme_Click();
    void Foc_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    AppContext& ctx_;
    bool certificatPresse_ = false;  // a left press on the link waits for its release
};
