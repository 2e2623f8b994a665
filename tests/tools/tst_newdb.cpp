#include <QtTest>

class TestNewDb : public QObject {
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_MAIN(TestNewDb)
#include "tst_newdb.moc"
