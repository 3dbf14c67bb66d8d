// Lexiparc — GPL-3.0-or-later.
// The mailto: URL of the contact form: field order, empty fields, percent-encoding.
#include "about/UrlMail.h"

#include <QUrl>
#include <QUrlQuery>
#include <QtTest>

class TestUrlMail : public QObject {
    Q_OBJECT
    const QString a = QStringLiteral("contact@lexiparc.fr");

private slots:
    void url_data()
    {
        QTest::addColumn<QString>("sujet");
        QTest::addColumn<QString>("corps");
        QTest::addColumn<QString>("cc");
        QTest::addColumn<QString>("bcc");
        QTest::addColumn<QString>("url");
        QTest::newRow("empty subject and body") << ""
                                                << ""
                                                << ""
                                                << ""
                                                << "mailto:contact@lexiparc.fr";
        QTest::newRow("subject only") << "Bonjour"
                                      << ""
                                      << ""
                                      << ""
                                      << "mailto:contact@lexiparc.fr?Subject=Bonjour";
        QTest::newRow("body opens the query") << ""
                                              << "Texte"
                                              << ""
                                              << ""
                                              << "mailto:contact@lexiparc.fr?Body=Texte";
        QTest::newRow("three-line text")
            << "Lexiparc Version 1.20"
            << "Nom: Dupont\r\nPrenom: Jean\r\n\r\nun\r\ndeux\r\ntrois"
            << ""
            << ""
            << "mailto:contact@lexiparc.fr?Subject=Lexiparc%20Version%201.20"
               "&Body=Nom%3A%20Dupont%0D%0APrenom%3A%20Jean%0D%0A%0D%0Aun%0D%0Adeux%0D%0Atrois";
        QTest::newRow("lone line feeds and returns") << ""
                                                     << "a\nb\rc"
                                                     << ""
                                                     << ""
                                                     << "mailto:contact@lexiparc.fr?Body=a%0D%0Ab%0D%0Ac";
        QTest::newRow("ampersand stays in the subject") << "Q&R&CC=x@y.fr"
                                                        << ""
                                                        << ""
                                                        << ""
                                                        << "mailto:contact@lexiparc.fr?Subject=Q%26R%26CC%3Dx%40y.fr";
        QTest::newRow("query and fragment marks") << "a?b#c%d+e"
                                                  << ""
                                                  << ""
                                                  << ""
                                                  << "mailto:contact@lexiparc.fr?Subject=a%3Fb%23c%25d%2Be";
        QTest::newRow("accents in UTF-8") << "été"
                                          << ""
                                          << ""
                                          << ""
                                          << "mailto:contact@lexiparc.fr?Subject=%C3%A9t%C3%A9";
        QTest::newRow("field order") << "s"
                                     << "b"
                                     << "c@x.fr"
                                     << "d@x.fr"
                                     << "mailto:contact@lexiparc.fr?Subject=s&Body=b&CC=c%40x.fr&BCC=d%40x.fr";
        QTest::newRow("copy alone") << ""
                                    << ""
                                    << "c@x.fr"
                                    << ""
                                    << "mailto:contact@lexiparc.fr?CC=c%40x.fr";
    }
    void url()
    {
        QFETCH(QString, sujet);
        QFETCH(QString, corps);
        QFETCH(QString, cc);
        QFETCH(QString, bcc);
        QFETCH(QString, url);
        QCOMPARE(urlMail(a, sujet, corps, cc, bcc), url);
    }

    // A mail client reading the URL gets each field back whole.
    void fieldsReadBack()
    {
        const QString sujet = QStringLiteral("Q&R=1 ?#%+ é");
        const QString corps = QStringLiteral("ligne 1 & co\r\nligne 2 ; fin=oui");
        const QUrl u(urlMail(a, sujet, corps, {}, {}), QUrl::StrictMode);
        QVERIFY(u.isValid());
        QCOMPARE(u.scheme(), QStringLiteral("mailto"));
        QCOMPARE(u.path(), a);
        const QUrlQuery q(u);
        QCOMPARE(q.queryItems(QUrl::FullyDecoded).size(), 2);
        QCOMPARE(q.queryItemValue(QStringLiteral("Subject"), QUrl::FullyDecoded), sujet);
        QCOMPARE(q.queryItemValue(QStringLiteral("Body"), QUrl::FullyDecoded), corps);
    }
};

QTEST_APPLESS_MAIN(TestUrlMail)
#include "test_url_mail.moc"
