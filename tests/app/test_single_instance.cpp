// Lexiparc — GPL-3.0-or-later.
// The single-instance test between two real processes.
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestSingleInstance : public QObject {
    Q_OBJECT
private:
    QTemporaryDir runtime_;

    QProcess* start()
    {
        auto* p = new QProcess(this);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
        p->setProcessEnvironment(env);
        p->start(QStringLiteral(INSTANCE_PROBE), {});
        return p;
    }
    static QString answer(QProcess* p)
    {
        if (!p->canReadLine())
            p->waitForReadyRead(5000);
        return QString::fromLatin1(p->readLine()).trimmed();
    }

private slots:
    void secondInstanceSeesTheFirst()
    {
        QFile::setPermissions(runtime_.path(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QProcess* first = start();
        QCOMPARE(answer(first), QStringLiteral("first"));

        QProcess* second = start();
        QCOMPARE(answer(second), QStringLiteral("other"));
        QVERIFY(second->waitForFinished(5000));
        QCOMPARE(second->exitCode(), 3);
        QCOMPARE(first->state(), QProcess::Running);  // the first one is not disturbed

        first->closeWriteChannel();
        QVERIFY(first->waitForFinished(5000));
        QCOMPARE(first->exitCode(), 0);

        // Once the first has ended, a new start is the first again.
        QProcess* third = start();
        QCOMPARE(answer(third), QStringLiteral("first"));
        third->closeWriteChannel();
        QVERIFY(third->waitForFinished(5000));
    }

    void crashedInstanceDoesNotBlock()
    {
        QProcess* first = start();
        QCOMPARE(answer(first), QStringLiteral("first"));
        first->kill();
        QVERIFY(first->waitForFinished(5000));
        QProcess* next = start();
        QCOMPARE(answer(next), QStringLiteral("first"));
        next->closeWriteChannel();
        QVERIFY(next->waitForFinished(5000));
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "test_single_instance.moc"
