#include <QTest>
class Testshell : public QObject
{
    Q_OBJECT
private slots:
    void placeholder() { QVERIFY(true); }
};
QTEST_MAIN(Testshell)
#include "tst_shell.moc"
