#include "support/MemberRows.h"
#include "support/ScriptedMessages.h"
#include "support/TestArea.h"
#include "support/TestDatabase.h"

#include "members/frmMemberEntry.h"
#include "platform/IdList.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QtTest>

namespace {

void choose(QComboBox* combo, const QString& text)
{
    combo->setCurrentIndex(combo->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive));
}

void retype(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}

// The fields whose captions are blue, by name.
QSet<QString> blueFields(const QWidget* screen)
{
    QSet<QString> fields;
    for (const QLabel* caption : screen->findChildren<QLabel*>())
        if (caption->palette().color(QPalette::WindowText) == QColor(Qt::blue))
            fields << (caption->buddy() ? caption->buddy()->objectName() : caption->text());
    return fields;
}

} // namespace

class TestMemberFields : public QObject {
    Q_OBJECT

private slots:
    // The user changes a field, then picks from the name list the name already shown: the member is shown again
    // as stored. The same entry set by code runs nothing.
    void pickingTheNameShownShowsItAgain_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("firstName");
        QTest::newRow("list opened by a click") << "mouse"
                                                << "Ann";
        QTest::newRow("list opened by F4") << "keyboard"
                                           << "Ann";
        QTest::newRow("set by code") << "code"
                                     << "Zed";
    }
    void pickingTheNameShownShowsItAgain()
    {
        QFETCH(QString, how);
        QFETCH(QString, firstName);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        addPerson(QStringLiteral("Abbott"), QStringLiteral("Bea"));
        const qint64 ann = addPerson(QStringLiteral("Abbott"), QStringLiteral("Ann"));
        frmMemberEntry* s = openMemberScreen();
        s->LoadMember(ann);
        QCOMPARE(s->txtFName->text(), QStringLiteral("Ann"));
        retype(s->txtFName, QStringLiteral("Zed"));
        QCOMPARE(s->txtFName->text(), QStringLiteral("Zed"));

        QComboBox* names = s->cmbMember;
        const int shown = names->currentIndex();
        if (how == QLatin1String("mouse")) {
            QTest::mouseClick(names, Qt::LeftButton);
            QTRY_VERIFY(names->view()->isVisible());
            QTest::keyClick(names->view(), Qt::Key_Return);
        } else if (how == QLatin1String("keyboard")) {
            names->setFocus();
            QTest::keyClick(names, Qt::Key_F4);
            QTRY_VERIFY(names->view()->isVisible());
            QTest::keyClick(names->view(), Qt::Key_Return);
        } else {
            names->setCurrentIndex(shown);
        }
        QTRY_VERIFY(!names->view()->isVisible());
        QCOMPARE(names->currentIndex(), shown);
        QCOMPARE(s->txtFName->text(), firstName);
        QCOMPARE(s->MemberId(), ann);
        QCOMPARE(messages.count(), 0);
    }

    // Save refuses a record without one of the five required fields, and each of the five has a blue caption,
    // wherever its tab; no other caption is blue.
    void requiredFieldsHaveBlueCaptions_data()
    {
        QTest::addColumn<QString>("missing");
        QTest::newRow("member status") << "cmbMemberStatus";
        QTest::newRow("first name") << "txtFName";
        QTest::newRow("last name") << "txtLName";
        QTest::newRow("church status") << "cmbChurchStatus";
        QTest::newRow("prospect status") << "cmbProspectStatus";
    }
    void requiredFieldsHaveBlueCaptions()
    {
        QFETCH(QString, missing);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        frmMemberEntry* s = openMemberScreen();
        QTest::mouseClick(s->btnNew, Qt::LeftButton);
        if (missing != QLatin1String("cmbMemberStatus"))
            choose(s->cmbMemberStatus, QStringLiteral("Member"));
        if (missing != QLatin1String("txtFName"))
            retype(s->txtFName, QStringLiteral("Nora"));
        if (missing != QLatin1String("txtLName"))
            retype(s->txtLName, QStringLiteral("Quinn"));
        if (missing != QLatin1String("cmbChurchStatus"))
            choose(s->cmbChurchStatus, QStringLiteral("Active"));
        if (missing != QLatin1String("cmbProspectStatus"))
            choose(s->cmbProspectStatus, QStringLiteral("Joined"));
        QTest::mouseClick(s->btnSaveNew, Qt::LeftButton);
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().text, QStringLiteral("All fields in blue are required."));
        QCOMPARE(messages.last().title, QStringLiteral("Required Fields"));
        QCOMPARE(s->MemberId(), 0);

        const QSet<QString> blue = blueFields(s);
        QVERIFY2(blue.contains(missing), qPrintable(missing));
        QCOMPARE(blue,
                 (QSet<QString>{"cmbMemberStatus", "txtFName", "txtLName", "cmbChurchStatus", "cmbProspectStatus"}));
        grabIfAsked(s->window(), QStringLiteral("required-") + missing);
    }

    // A picture the user loads is fitted to 165 pixels on its longer side and shown whole in a square box.
    void aLoadedPictureShowsAtItsFittedSize_data()
    {
        QTest::addColumn<QSize>("file");
        QTest::addColumn<QSize>("shown");
        QTest::newRow("wide") << QSize(400, 300) << QSize(165, 124);
        QTest::newRow("tall") << QSize(300, 400) << QSize(124, 165);
        QTest::newRow("square") << QSize(500, 500) << QSize(165, 165);
    }
    void aLoadedPictureShowsAtItsFittedSize()
    {
        QFETCH(QSize, file);
        QFETCH(QSize, shown);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        QImage image(file, QImage::Format_RGB32);
        image.fill(QColor(135, 190, 235));
        const QString path = tdb.folder() + QStringLiteral("/picture.png");
        QVERIFY(image.save(path));
        frmMemberEntry* s = openMemberScreen();
        QVERIFY(s->LoadPicture(path));
        QCOMPARE(s->imgPic->width(), s->imgPic->height());
        const QSize held = s->imgPic->pixmap().size();
        QVERIFY(qAbs(held.width() - shown.width()) <= 1 && qAbs(held.height() - shown.height()) <= 1);
        grabIfAsked(s->window(), QStringLiteral("picture-") + QTest::currentDataTag());
    }
};

QTEST_MAIN(TestMemberFields)
#include "tst_memberfields.moc"
