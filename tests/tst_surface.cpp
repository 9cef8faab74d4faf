#include <QTest>
class Testsurface : public QObject
{
    Q_OBJECT
private slots:
    void placeholder() { QVERIFY(true); }
};
QTEST_MAIN(Testsurface)
#include "tst_surface.moc"
