#include <QTest>
class Testplot : public QObject
{
    Q_OBJECT
private slots:
    void placeholder() { QVERIFY(true); }
};
QTEST_MAIN(Testplot)
#include "tst_plot.moc"
