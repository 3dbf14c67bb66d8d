// Lexiparc — GPL-3.0-or-later.
// The settings file's text: values read as the text they hold, from the right section, and
// rewrites that change the key's line only.
#include "platform/IniFile.h"

#include <QtTest>

class TestIniFile : public QObject {
    Q_OBJECT

private slots:
    void value_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");  // "<absent>" when the key is not found
        const QString absent = QStringLiteral("<absent>");
        QTest::newRow("comma") << QByteArray("[Options]\nChargeAnag=1,0\n") << "ChargeAnag"
                               << "1,0";
        QTest::newRow("quotes, semicolon and blanks")
            << QByteArray("[Options]\n  CouleurMDI =  \"&HFF\" ; rouge  \n") << "CouleurMDI"
            << "\"&HFF\" ; rouge";
        QTest::newRow("equals sign in the value") << QByteArray("[Options]\nCouleurBar=a=b\n") << "CouleurBar"
                                                  << "a=b";
        QTest::newRow("empty value") << QByteArray("[Options]\nChargeAnag=\n") << "ChargeAnag"
                                     << "";
        QTest::newRow("names in another case") << QByteArray("[ options ]\nchargeanag=0\n") << "ChargeAnag"
                                               << "0";
        QTest::newRow("same key in an earlier section")
            << QByteArray("[General]\nChargeAnag=0\n[Options]\nChargeAnag=1\n") << "ChargeAnag"
            << "1";
        QTest::newRow("only in another section") << QByteArray("[Autre]\nChargeAnag=0\n") << "ChargeAnag" << absent;
        QTest::newRow("before any section") << QByteArray("ChargeAnag=0\n[Options]\n") << "ChargeAnag" << absent;
        QTest::newRow("commented out") << QByteArray("[Options]\n;ChargeAnag=0\n# ChargeAnag=2\nChargeAnag=1")
                                       << "ChargeAnag"
                                       << "1";
        QTest::newRow("first of two lines") << QByteArray("[Options]\nChargeAnag=0\nChargeAnag=1\n") << "ChargeAnag"
                                            << "0";
        QTest::newRow("second section of the name")
            << QByteArray("[Options]\nChargeSyno=1\n[X]\n[Options]\nChargeAnag=1\n") << "ChargeAnag"
            << "1";
        QTest::newRow("byte order mark and CR LF")
            << QByteArray("\xEF\xBB\xBF[Options]\r\nCouleurMDI=&HFFFFFF\r\n") << "CouleurMDI"
            << "&HFFFFFF";
        QTest::newRow("binary junk") << QByteArray("\0\xFF[Opt\xFE\n=\n", 10) << "ChargeAnag" << absent;
    }
    void value()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        const std::optional<QString> v = ini::value(text, u"Options", key);
        QCOMPARE(v.value_or(QStringLiteral("<absent>")), expected);
    }

    void withValue_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("line replaced, the rest kept")
            << QByteArray("; mes réglages\n[Options]\nChargeAnag=1,0\nCouleurMDI=&H00FF00\n\n[Autre]\nX=\"a,b\"\n")
            << "ChargeAnag"
            << "0"
            << QByteArray("; mes réglages\n[Options]\nChargeAnag=0\nCouleurMDI=&H00FF00\n\n[Autre]\nX=\"a,b\"\n");
        QTest::newRow("other case, CR LF") << QByteArray("[options]\r\nchargeanag = 1\r\nX=2") << "ChargeAnag"
                                           << "0" << QByteArray("[options]\r\nChargeAnag=0\r\nX=2");
        QTest::newRow("added at the end of its section")
            << QByteArray("[Options]\nChargeAnag=1\n\n[Autre]\nX=1\n") << "ChargeSyno"
            << "1" << QByteArray("[Options]\nChargeAnag=1\nChargeSyno=1\n\n[Autre]\nX=1\n");
        QTest::newRow("added after a last line without ending")
            << QByteArray("[Options]\nChargeAnag=1") << "ChargeSyno"
            << "1" << QByteArray("[Options]\nChargeAnag=1\nChargeSyno=1");
        QTest::newRow("added after a last line ending in a lone CR")
            << QByteArray("[Options]\r\n[\r") << "ChargeSyno"
            << "1" << QByteArray("[Options]\r\n[\r\r\nChargeSyno=1");
        QTest::newRow("section added") << QByteArray("[Autre]\r\nX=1") << "ChargeSyno"
                                       << "1" << QByteArray("[Autre]\r\nX=1\r\n\r\n[Options]\r\nChargeSyno=1\r\n");
        QTest::newRow("empty text") << QByteArray() << "ChargeSyno"
                                    << "1" << QByteArray("[Options]\nChargeSyno=1\n");
        QTest::newRow("byte order mark kept") << QByteArray("\xEF\xBB\xBF[Options]\nChargeSyno=0\n") << "ChargeSyno"
                                              << "1" << QByteArray("\xEF\xBB\xBF[Options]\nChargeSyno=1\n");
        QTest::newRow("line breaks in a value") << QByteArray("[Options]\n") << "CouleurBar"
                                                << "1\n[X]\r" << QByteArray("[Options]\nCouleurBar=1 [X] \n");
    }
    void withValue()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        const QByteArray got = ini::withValue(before, u"Options", key, value);
        QCOMPARE(got, after);
        // The reader finds what was written.
        QCOMPARE(ini::value(got, u"Options", key).value_or(QString()),
                 QString(value).replace(u'\n', u' ').replace(u'\r', u' ').trimmed());
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "test_ini_file.moc"
