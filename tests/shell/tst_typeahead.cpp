#include "core/MainMod.h"
#include "core/TypeAhead.h"
#include "platform/Clock.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QtTest>

namespace {
void fill(QComboBox& combo)
{
    combo.addItems({QStringLiteral("Jane"), QStringLiteral("Johnson"), QStringLiteral("Jones"), QStringLiteral("Mark")});
    combo.setCurrentIndex(-1);
}
} // namespace

class TestTypeAhead : public QObject {
    Q_OBJECT

    QComboBox* m_combo = nullptr;
    QComboBox* m_other = nullptr;

    void type(QComboBox* combo, const QString& keys, int msBetween = 100)
    {
        for (QChar key : keys) {
            QTest::keyClick(combo, key.toLatin1());
            Clock::advance(msBetween);
        }
    }

private slots:
    void init()
    {
        Clock::setFixed(QDateTime(QDate(2026, 12, 7), QTime(23, 59, 59)));
        MainMod::TypeAheadState = {};
        MainMod::KeyPressDelay = 1;
        m_combo = new QComboBox;
        m_other = new QComboBox;
        fill(*m_combo);
        fill(*m_other);
        TypeAhead::install(m_combo);
        TypeAhead::install(m_other);
    }
    void cleanup()
    {
        delete m_combo;
        delete m_other;
        Clock::useRealClock();
    }

    void prefixGrowsWithinThePause()
    {
        QSignalSpy changes(m_combo, &QComboBox::currentIndexChanged);
        QTest::keyClick(m_combo, 'J');
        QCOMPARE(m_combo->currentText(), QStringLiteral("Jane"));
        Clock::advance(200);
        QTest::keyClick(m_combo, 'o');
        QCOMPARE(m_combo->currentText(), QStringLiteral("Johnson"));
        Clock::advance(200); // across midnight: the pause is what counts
        QTest::keyClick(m_combo, 'n');
        QCOMPARE(m_combo->currentText(), QStringLiteral("Jones"));
        QCOMPARE(changes.count(), 3); // each selection runs the combo's own handler
    }

    void caseIsIgnoredAndNoMatchKeepsSelection()
    {
        type(m_combo, QStringLiteral("jo"));
        QCOMPARE(m_combo->currentText(), QStringLiteral("Johnson"));
        Clock::advance(2000);
        type(m_combo, QStringLiteral("x"));
        QCOMPARE(m_combo->currentText(), QStringLiteral("Johnson"));
        QCOMPARE(m_combo->currentIndex(), 1);
    }

    void pauseStartsANewPrefix()
    {
        type(m_combo, QStringLiteral("J"));
        Clock::advance(1000); // exactly the delay: a new prefix
        type(m_combo, QStringLiteral("M"));
        QCOMPARE(m_combo->currentText(), QStringLiteral("Mark"));
    }

    void zeroDelayMatchesFirstLettersOnly()
    {
        MainMod::KeyPressDelay = 0;
        type(m_combo, QStringLiteral("Jo"), 1);
        QCOMPARE(m_combo->currentText(), QStringLiteral("Jane")); // "o" alone matches nothing
    }

    void anotherComboStartsAfresh()
    {
        type(m_combo, QStringLiteral("J"));
        type(m_other, QStringLiteral("o"));
        QCOMPARE(m_other->currentIndex(), -1); // "o", not "Jo"
        type(m_combo, QStringLiteral("o"));
        QCOMPARE(m_combo->currentText(), QStringLiteral("Jane")); // back again: a new prefix "o"
    }

    void backspaceIsAppendedNotErased()
    {
        type(m_combo, QStringLiteral("Jo"));
        QTest::keyClick(m_combo, Qt::Key_Backspace);
        Clock::advance(100);
        QTest::keyClick(m_combo, 'n');
        QCOMPARE(m_combo->currentText(), QStringLiteral("Johnson")); // nothing matched after the backspace
        QCOMPARE(MainMod::TypeAheadState.SearchText, QStringLiteral("Jo\bn"));
    }
};

QTEST_MAIN(TestTypeAhead)
#include "tst_typeahead.moc"
