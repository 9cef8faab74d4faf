#include <QTest>
class Testrender : public QObject
{
    Q_OBJECT
private slots:
    void placeholder() { QVERIFY(true); }
};
QTEST_MAIN(Testrender)
#include "tst_render.moc"
