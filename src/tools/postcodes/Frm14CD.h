// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "common/AppContext.h"
#include "tools/postcodes/RechercheCommunes.h"

#include <QFont>
#include <QPointer>
#include <QWidget>
#include <array>
#include <cstdint>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;
#include "tools/postcodes/Frm21About.h"

// The postal-code window: searches the communes by postal code or by name, shows one
// commune's data, copies it and opens its directory page or map directions.
class Frm14CD : public QWidget {
    Q_OBJECT
public:
    explicit Frm14CD(AppContext& ctx, QWidget* parent = nullptr);

    // The commune tables, shared by every opening of the window and kept until the end.
    static CommuneTables& tables();

    // Size in twips, the end points of the marker lines LimiteD and LimiteH.
    static constexpr int kLimiteD = 10200;
    static constexpr int kLimiteH = 6660;

    std::uint8_t ModeRecherche = 0;

    QLineEdit* TxtCP = nullptr;
    QLineEdit* TxtCherche = nullptr;
    QLineEdit* TxtMiroir = nullptr;
    QLineEdit* Txt1Foc = nullptr;
    QLineEdit* Txt2Foc = nullptr;
    QListWidget* LstLaListe = nullptr;
    QLabel* LblInfo = nullptr;
    std::array<QLabel*, NbChampsDetail> LblDetail{};
    QPushButton* CmdCopier = nullptr;
    QPushButton* CmdGoogleMap = nullptr;
    QPushButton* CmdExterne = nullptr;
    QPushButton* CmdAbout = nullptr;
    QPushButton* CmdQ = nullptr;
    QLabel* ImgCopyTrue = nullptr;
    QLabel* ImgCopyFalse = nullptr;
    QPushButton* Foc = nullptr;
    QTimer* TimCP = nullptr;
    QTimer* TimNom = nullptr;

    // The about box while it is open.
    Frm21About* aPropos() const { return aPropos_; }

public slots:
    void Form_Load();
    void TimCP_Timer();
    void TimNom_Timer();
    void TxtCP_GotFocus();
    void TxtCherche_GotFocus();
    void Txt1Foc_GotFocus();
    void Txt2Foc_GotFocus();
    void TxtCP_Change();
    void TxtCherche_Change();
    void TxtMiroir_Change();
    void LstLaListe_Click();
    void LblCommuneMin_Change();
    void CmdCopier_Click();
    void ImgCopyTrue_Click();
    void CmdExterne_Click();
    void CmdGoogleMap_Click();
    void CmdAbout_Click();
    void CmdQ_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void videDetail();
    void afficheDetail(const DetailCommune& detail);
    DetailCommune detailAffiche() const;
    void chargeListe(bool nom);

    AppContext& ctx_;
    QPointer<Frm21About> aPropos_;
    QFont policeDetail_;
};
