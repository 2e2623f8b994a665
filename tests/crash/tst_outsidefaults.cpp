// Faults that come from outside the program while a screen saves: the database file read-only (or its folder),
// held by another program for longer than we wait, moved away; the picture folder read-only. The screen says what
// is wrong, keeps what was typed, and the database holds nothing of the failed save.
//
// File permissions do not stop root, so when run as root the test first becomes the unprivileged user "nobody":
// a file or folder without write permission then fails as it does for an office user. The build folder may be one
// that nobody cannot enter, so the other program it starts is first copied into a folder of the test's own.
#include "support/ChurchChecks.h"
#include "support/MemberRows.h"
#include "support/ScriptedMessages.h"
#include "support/TestArea.h"
#include "support/TestDatabase.h"

#include "admin/frmValueEntry.h"
#include "core/MainMod.h"
#include "members/frmMemberEntry.h"
#include "shell/ScreenRegistry.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <grp.h>
#include <unistd.h>

using MainMod::MainDatabase;

namespace {

enum class Fault { ReadOnlyFile, ReadOnlyFolder, LockedByAWriter, LockedByAReader, Moved };

const QString kReadOnly = QStringLiteral("cannot be written: it is read-only, or the folder it is in is");
const QString kLocked = QStringLiteral("in use by another program and stayed locked");
const QString kMoved = QStringLiteral("no longer where Kov opened it: it was moved or deleted");

// The user the test becomes when run as root.
constexpr uid_t kNobody = 65534;
// A lock held for longer than this fails a statement. Every lock here is held until the test lifts it, so a
// short wait proves the same as the program's own 5 s.
constexpr int kBusyTimeoutMs = 300;

void setWritable(const QString& path, bool writable)
{
    QFile::Permissions permissions = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    if (QFileInfo(path).isDir())
        permissions |= QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    if (writable)
        permissions |= QFile::WriteOwner;
    QVERIFY(QFile::setPermissions(path, permissions));
}

// The fault made real around the open database of a test, and taken away again.
class Outside {
public:
    Outside(Fault fault, const QString& database, const QString& locker)
        : m_fault(fault), m_database(database), m_lockerProgram(locker)
    {
    }
    ~Outside() { lift(); }

    void apply()
    {
        const QString folder = QFileInfo(m_database).absolutePath();
        switch (m_fault) {
        case Fault::ReadOnlyFile:
            // A file without write permission opens for reading only.
            setWritable(m_database, false);
            ChurchChecks::openKov(m_database);
            break;
        case Fault::ReadOnlyFolder:
            setWritable(folder, false);
            break;
        case Fault::LockedByAWriter:
        case Fault::LockedByAReader:
            m_locker.start(m_lockerProgram,
                           {m_fault == Fault::LockedByAWriter ? QStringLiteral("exclusive") : QStringLiteral("shared"),
                            m_database});
            while (!m_locker.canReadLine() && m_locker.waitForReadyRead(10000)) {
            }
            QCOMPARE(m_locker.readLine().trimmed(), QByteArray("LOCKED"));
            break;
        case Fault::Moved:
            QVERIFY(QFile::rename(m_database, m_database + QStringLiteral(".moved")));
            break;
        }
    }

    // Puts things right and opens the database again, as the program does at its next start.
    void lift()
    {
        if (m_lifted)
            return;
        m_lifted = true;
        setWritable(m_database + (m_fault == Fault::Moved ? QStringLiteral(".moved") : QString()), true);
        setWritable(QFileInfo(m_database).absolutePath(), true);
        if (m_locker.state() != QProcess::NotRunning) {
            m_locker.closeWriteChannel();
            QVERIFY(m_locker.waitForFinished());
        }
        if (m_fault == Fault::Moved)
            QVERIFY(QFile::rename(m_database + QStringLiteral(".moved"), m_database));
        ChurchChecks::openKov(m_database);
    }

private:
    Fault m_fault;
    QString m_database;
    QString m_lockerProgram;
    QProcess m_locker;
    bool m_lifted = false;
};

void addFaultRows()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("said");
    QTest::newRow("read-only file") << Fault::ReadOnlyFile << kReadOnly;
    QTest::newRow("read-only folder") << Fault::ReadOnlyFolder << kReadOnly;
    QTest::newRow("locked by a writer") << Fault::LockedByAWriter << kLocked;
    QTest::newRow("locked by a reader") << Fault::LockedByAReader << kLocked;
    QTest::newRow("moved away") << Fault::Moved << kMoved;
}

void typeInto(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}

QString writePicture(const QString& path, Qt::GlobalColor colour)
{
    QImage image(40, 60, QImage::Format_RGB32);
    image.fill(colour);
    image.save(path, "PNG");
    return path;
}

QVariant memberColumn(qint64 id, const char* column)
{
    return MainDatabase.scalar(QStringLiteral("SELECT %1 FROM Member WHERE ID = ?").arg(QLatin1String(column)), {id});
}

} // namespace

Q_DECLARE_METATYPE(Fault)

class TestOutsideFaults : public QObject {
    Q_OBJECT

    // A member with a picture, shown on the member screen with a new first name and a new picture typed in.
    struct MemberOnScreen {
        qint64 id = 0;
        QString pictures;
        QByteArray oldPicture;
        frmMemberEntry* screen = nullptr;
    };

    void showChangedMember(const TestDatabase& tdb, MemberOnScreen* m)
    {
        m->pictures = tdb.folder() + QStringLiteral("/pictures/");
        QVERIFY(QDir().mkpath(m->pictures));
        MainMod::PictureFolder = m->pictures;
        m->id = TestDatabase::addMember(QStringLiteral("Lane"), QStringLiteral("Lou"));
        MainDatabase.execute(QStringLiteral("UPDATE Member SET Picture = ? WHERE ID = ?"),
                             {QStringLiteral("%1.png").arg(m->id), m->id});
        m->oldPicture =
            ChurchChecks::fileBytes(writePicture(m->pictures + QStringLiteral("%1.png").arg(m->id), Qt::red));
        m->screen = openMemberScreen();
        m->screen->LoadMember(m->id);
        typeInto(m->screen->txtFName, QStringLiteral("Louise"));
        QVERIFY(m->screen->LoadPicture(writePicture(tdb.folder() + QStringLiteral("/new.png"), Qt::blue)));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_tools.isValid());
        m_locker = m_tools.filePath(QStringLiteral("kov-locker"));
        QVERIFY(QFile::copy(qEnvironmentVariable("KOV_LOCKER"), m_locker));
        QVERIFY(QFile::setPermissions(m_tools.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                          QFile::ReadOther | QFile::ExeOther));
        if (::geteuid() == 0) {
            // Owned by nobody, so that the test can still remove them at its end.
            QVERIFY(::chown(QFile::encodeName(m_locker).constData(), kNobody, kNobody) == 0);
            QVERIFY(::chown(QFile::encodeName(m_tools.path()).constData(), kNobody, kNobody) == 0);
            QVERIFY(::setgroups(0, nullptr) == 0);
            QVERIFY(::setgid(kNobody) == 0);
            QVERIFY(::setuid(kNobody) == 0);
        }
        QVERIFY(::geteuid() != 0);
        MainDatabase.setBusyTimeout(kBusyTimeoutMs);
    }

    void memberSaveFailsWhole_data() { addFaultRows(); }

    void memberSaveFailsWhole()
    {
        QFETCH(Fault, fault);
        QFETCH(QString, said);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        MemberOnScreen m;
        showChangedMember(tdb, &m);

        Outside outside(fault, tdb.path(), m_locker);
        outside.apply();
        QTest::mouseClick(m.screen->btnSaveNew, Qt::LeftButton);
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().title, QStringLiteral("Database Error"));
        QCOMPARE(messages.last().icon, Messages::Icon::Critical);
        QVERIFY2(messages.last().text.contains(said), qPrintable(messages.last().text));
        QVERIFY(ScreenRegistry::isOpen(QStringLiteral("frmMemberEntry")));
        QCOMPARE(m.screen->txtFName->text(), QStringLiteral("Louise"));
        QCOMPARE(m.screen->txtFileType->text(), QStringLiteral("png"));

        // Nothing of it reached the file: not the row, not the picture, no stray file beside them.
        outside.lift();
        QCOMPARE(memberColumn(m.id, "First_Name").toString(), QStringLiteral("Lou"));
        QCOMPARE(ChurchChecks::fileBytes(m.pictures + QStringLiteral("%1.png").arg(m.id)), m.oldPicture);
        QCOMPARE(QDir(m.pictures).entryList(QDir::Files).size(), 1);
        QCOMPARE(QDir(tdb.folder()).entryList({QStringLiteral("*-journal")}, QDir::Files).size(), 0);

        // With the fault put right, the same screen saves what it kept.
        messages.clear();
        QTest::mouseClick(m.screen->btnSaveNew, Qt::LeftButton);
        QCOMPARE(messages.count(), 0);
        QCOMPARE(memberColumn(m.id, "First_Name").toString(), QStringLiteral("Louise"));
        QVERIFY(ChurchChecks::fileBytes(m.pictures + QStringLiteral("%1.png").arg(m.id)) != m.oldPicture);
    }

    void valueDeleteFailsWhole_data() { addFaultRows(); }

    void valueDeleteFailsWhole()
    {
        QFETCH(Fault, fault);
        QFETCH(QString, said);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        MainDatabase.execute(QStringLiteral("INSERT INTO Titles (Title) VALUES ('Canon')"));
        const qint64 pastor = TestDatabase::addMember(QStringLiteral("Hale"), QStringLiteral("Hugh"));
        MainDatabase.execute(QStringLiteral("UPDATE Member SET Title = 'Canon' WHERE ID = ?"), {pastor});
        auto* screen = ScreenRegistry::load<frmValueEntry>();
        typeInto(screen->txtTitle, QStringLiteral("Canon"));

        Outside outside(fault, tdb.path(), m_locker);
        outside.apply();
        QTest::mouseClick(screen->btnDeleteTitle, Qt::LeftButton);
        QCOMPARE(messages.count(), 2); // the question, answered Yes, and the failure
        QCOMPARE(messages.last().title, QStringLiteral("Database Error"));
        QVERIFY2(messages.last().text.contains(said), qPrintable(messages.last().text));
        QCOMPARE(screen->txtTitle->text(), QStringLiteral("Canon"));
        QCOMPARE(screen->lstTitle->findItems(QStringLiteral("Canon"), Qt::MatchExactly).size(), 1);

        outside.lift();
        QCOMPARE(ChurchChecks::count(QStringLiteral("SELECT COUNT(*) FROM Titles WHERE Title = 'Canon'")), 1);
        QCOMPARE(memberColumn(pastor, "Title").toString(), QStringLiteral("Canon"));
    }

    void readOnlyPictureFolderKeepsMemberAndPicture()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        MemberOnScreen m;
        showChangedMember(tdb, &m);
        setWritable(m.pictures, false);
        QTest::mouseClick(m.screen->btnSaveNew, Qt::LeftButton);
        setWritable(m.pictures, true);
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().title, QStringLiteral("Picture Not Saved"));
        QVERIFY(messages.last().text.contains(m.pictures));
        QCOMPARE(m.screen->txtFName->text(), QStringLiteral("Louise"));
        QCOMPARE(memberColumn(m.id, "First_Name").toString(), QStringLiteral("Lou"));
        QCOMPARE(ChurchChecks::fileBytes(m.pictures + QStringLiteral("%1.png").arg(m.id)), m.oldPicture);
    }

private:
    QTemporaryDir m_tools;
    QString m_locker;
};

QTEST_MAIN(TestOutsideFaults)
#include "tst_outsidefaults.moc"
