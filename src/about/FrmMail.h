// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "common/AppContext.h"
#include "common/Cadre.h"

#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;

// The contact mailbox of the program's maker.
inline constexpr const char* kAdresseContact = "contact@lexiparc.fr";

// Hands a message to the mail client as a mailto: URL (see urlMail); false when the client
// could not be started.
bool EnvoieMail(AppContext& ctx, const QString& adresse, const QString& sujet, const QString& corps, const QString& cc,
                const QString& bcc);

// The contact form: surname, first name, subject and text, checked, then handed to the mail
// client; it closes itself 3 s after sending. A message too long for a mailto: URL, or a mail
// client that cannot be started, is reported and the form stays open with what was typed.
class FrmMail : public QWidget {
    Q_OBJECT
public:
    explicit FrmMail(AppContext& ctx, QWidget* parent = nullptr);

    QWidget* Pic2 = nullptr;
    QLabel* LblInfo1 = nullptr;
    QLabel* LblInfo3 = nullptr;
    QLineEdit* TxtNom = nullptr;
    QLineEdit* TxtPre = nullptr;
    QLineEdit* TxtObj = nullptr;
    QPlainTextEdit* TxtRem = nullptr;
    QLineEdit* TxtAdresse = nullptr;
    std::array<QLabel*, 6> ImgF{};  // marks 1, 2, 4 and 5; 0 and 3 do not exist
    QPushButton* CmdMail = nullptr;
    QPushButton* CmdAnnule = nullptr;
    QLineEdit* Foc = nullptr;
    QTimer* TimDeb = nullptr;
    QTimer* TimEnd = nullptr;

public slots:
    void Form_Load();
    void TimDeb_Timer();
    void TimEnd_Timer();
    void TxtNom_Change();
    void TxtPre_Change();
    void TxtObj_Change();
    void TxtRem_Change();
    void CmdMail_Click();
    void CmdAnnule_Click();

private:
    void champChange(int marque, bool vide);

    AppContext& ctx_;
};

// The contact form as a window of the main frame; its first opening loads it, later ones only
// show it again.
extern const Fabrique FabriqueFrmMail;
// Shows the contact form (in the main frame when there is one) and returns it.
FrmMail* montreFrmMail(AppContext& ctx);
