#include "DemoData.h"

#include "platform/Clock.h"
#include "platform/Database.h"

#include <QDateTime>
#include <QHash>
#include <QRandomGenerator>
#include <QSet>
#include <QStringList>
#include <algorithm>
#include <vector>

// The demo church: every household, class, duty and gift below is invented. The random choices come from a
// fixed seed, so two runs on the same day give the same church; "recent" is measured from Clock::today().

namespace {

enum class Kind { Members, Former, Prospects };

struct PersonSeed {
    const char* first;
    const char* middle;
    char sex; // 'M' or 'F'
    int age;
    const char* relation = nullptr; // to the head of household; none for the head
    const char* marital = nullptr;  // when it does not follow from the household
    const char* title = nullptr;    // when not the usual Mr./Mrs./Ms.
    const char* last = nullptr;     // when not the household's
    bool inactive = false;
};

struct FamilySeed {
    const char* last;
    const char* street;
    Kind kind;
    std::vector<PersonSeed> people;
    const char* note = nullptr;   // prospects: how we met them; former members: where they went
    const char* source = nullptr; // prospects only
    int contacts = 0;             // prospects: steps of the outreach plan already taken
    bool dropped = false;         // prospects no longer visited
};

// clang-format off
const std::vector<FamilySeed> kFamilies = {
    {"Anderson", "214 Maple Street", Kind::Members, {{"Robert", "James", 'M', 62}, {"Linda", "Marie", 'F', 60, "Spouse"}}},
    {"Mitchell", "87 Dogwood Lane", Kind::Members,
     {{"David", "Allen", 'M', 45}, {"Karen", "Lynn", 'F', 43, "Spouse"}, {"Emily", "Grace", 'F', 16, "Daughter"},
      {"Jacob", "Ryan", 'M', 13, "Son"}}},
    {"Carter", "1502 Hickory Ridge Road", Kind::Members,
     {{"James", "Edward", 'M', 51}, {"Susan", "Elaine", 'F', 49, "Spouse"}, {"Matthew", "James", 'M', 19, "Son"},
      {"Hannah", "Joy", 'F', 15, "Daughter"}}},
    {"Thompson", "33 Church Street", Kind::Members,
     {{.first = "Michael", .middle = "Wayne", .sex = 'M', .age = 48, .title = "Rev."},
      {"Rebecca", "Ann", 'F', 46, "Spouse"}, {"Caleb", "Michael", 'M', 17, "Son"},
      {"Abigail", "Rose", 'F', 11, "Daughter"}, {"Noah", "Daniel", 'M', 8, "Son"}}},
    {"Brooks", "640 Oak Hill Drive", Kind::Members,
     {{"William", "Henry", 'M', 68}, {"Patricia", "Jean", 'F', 66, "Spouse"},
      {"Dorothy", "Mae", 'F', 91, "Mother", "Widowed"}}},
    {"Reed", "1129 Cedar Avenue", Kind::Members,
     {{"Thomas", "Lee", 'M', 39}, {"Jennifer", "Lynn", 'F', 37, "Spouse"}, {"Ethan", "Thomas", 'M', 10, "Son"},
      {"Olivia", "Grace", 'F', 7, "Daughter"}, {"Lucas", "James", 'M', 3, "Son"}}},
    {"Hughes", "75 Willow Court", Kind::Members,
     {{"Margaret", "Ellen", 'F', 74, nullptr, "Widowed"},
      {.first = "Tyler", .middle = "Scott", .sex = 'M', .age = 14, .relation = "Grandson", .inactive = true}}},
    {"Sanders", "402 Poplar Street", Kind::Members,
     {{"Daniel", "Joseph", 'M', 35}, {"Ashley", "Nicole", 'F', 33, "Spouse"}, {"Mason", "Lee", 'M', 6, "Son"},
      {"Chloe", "Ann", 'F', 4, "Daughter"}}},
    {"Wallace", "918 Magnolia Drive", Kind::Members,
     {{.first = "Richard", .middle = "Alan", .sex = 'M', .age = 57, .title = "Dr."},
      {"Carol", "Ann", 'F', 55, "Spouse"}}},
    {"Parker", "256 Birch Lane", Kind::Members,
     {{"Steven", "Ray", 'M', 42}, {"Michelle", "Dawn", 'F', 40, "Spouse"}, {"Brandon", "Ray", 'M', 14, "Son"},
      {"Madison", "Leigh", 'F', 12, "Daughter"}}},
    {"Bailey", "19 Walnut Street", Kind::Members,
     {{"Nancy", "Louise", 'F', 58, nullptr, "Divorced"},
      {.first = "Kevin", .middle = "Wayne", .sex = 'M', .age = 28, .relation = "Son", .inactive = true}}},
    {"Griffin", "1340 Pine Valley Road", Kind::Members,
     {{"Charles", "Edward", 'M', 72}, {"Barbara", "Jean", 'F', 70, "Spouse"},
      {.first = "Helen", .middle = "Frances", .sex = 'F', .age = 93, .relation = "Other", .marital = "Widowed",
       .last = "Ward"}}},
    {"Morgan", "511 Elm Street", Kind::Members,
     {{"Andrew", "Scott", 'M', 29}, {"Lauren", "Elizabeth", 'F', 27, "Spouse"}, {"Lily", "Anne", 'F', 1, "Daughter"}}},
    {"Jenkins", "903 Chestnut Drive", Kind::Members,
     {{"Mark", "Anthony", 'M', 44}, {"Lisa", "Renee", 'F', 42, "Spouse"}, {"Megan", "Rose", 'F', 17, "Daughter"},
      {"Ryan", "Mark", 'M', 15, "Son"}}},
    {"Howard", "77 Sycamore Circle", Kind::Former,
     {{"George", "Allen", 'M', 54}, {"Debra", "Kay", 'F', 52, "Spouse"}, {"Kyle", "Allen", 'M', 24, "Son"}},
     "Moved to Knoxville; church letter sent to their new congregation."},
    {"Foster", "1450 Riverbend Road", Kind::Prospects,
     {{"Brian", "Keith", 'M', 36}, {"Amanda", "Jo", 'F', 34, "Spouse"}, {"Dylan", "James", 'M', 9, "Son"},
      {"Ella", "Marie", 'F', 6, "Daughter"}},
     "New to town; children enjoyed Kids Club.", "Visited a worship service", 3},
    {"Hayes", "308 Meadow Lane, Apt 4", Kind::Prospects,
     {{"Stephanie", "Renee", 'F', 31, nullptr, "Divorced"}, {"Logan", "Wade", 'M', 8, "Son"}},
     "Logan came to Vacation Bible School with the Reed children.", "Vacation Bible School", 2},
    {"Bennett", "62 Laurel Street", Kind::Prospects, {{"Jason", "Michael", 'M', 27}},
     "Filled in the visitor form on the church website.", "Church website", 2, true},
    {"Price", "2201 Old Mill Road", Kind::Prospects,
     {{"Gary", "Wayne", 'M', 64}, {"Sharon", "Kay", 'F', 62, "Spouse"},
      {.first = "Betty", .middle = "Jo", .sex = 'F', .age = 86, .relation = "Other", .marital = "Widowed",
       .last = "Coleman"}},
     "Neighbors of the Griffins; Sharon's mother lives with them.", "Invited by a member", 1},
};
// clang-format on

// A class of one of the three kinds; members join the class for their age.
struct ClassSeed {
    const char* name;
    const char* description;
    const char* location;
    const char* teacher;
    const char* assistant;
    int minAge, maxAge;
};

const ClassSeed kSundaySchool[] = {
    {"Children", "Bible stories and crafts, ages 4 to 11", "Room 104", "Jennifer Reed", "Ashley Sanders", 4, 11},
    {"Youth", "Students in grades 7 to 12", "Youth Room", "Steven Parker", "Mark Jenkins", 12, 17},
    {"Young Adults", "Singles and young couples", "Room 201", "Andrew Morgan", "Lauren Morgan", 18, 29},
    {"Adult Couples", "Adults 30 to 59", "Fellowship Hall", "James Carter", "David Mitchell", 30, 59},
    {"Senior Adults", "Adults 60 and over", "Chapel", "William Brooks", "Charles Griffin", 60, 200},
};
const ClassSeed kDiscipleship[] = {
    {"Adult Discipleship", "Doctrine and Christian living", "Room 201", "Richard Wallace", "Thomas Reed", 18, 200},
    {"Youth Discipleship", "Faith questions for teenagers", "Youth Room", "Daniel Sanders", "Michelle Parker", 12, 17},
    {"Children's Discipleship", "Memory verses and missions", "Room 104", "Susan Carter", "Rebecca Thompson", 4, 11},
};
const ClassSeed kWednesday[] = {
    {"Prayer Meeting", "Midweek Bible study and prayer", "Chapel", "Michael Thompson", "Robert Anderson", 18, 200},
    {"Youth Group", "Wednesday supper and youth meeting", "Youth Room", "Mark Jenkins", "Lisa Jenkins", 12, 17},
    {"Kids Club", "Games, songs and verses, ages 4 to 11", "Fellowship Hall", "Linda Anderson", "Carol Wallace", 4, 11},
};

// Care groups take the households whose head is of the ages given.
struct CareGroupSeed {
    const char* leader;
    const char* assistant;
    int sundaySchool; // index into kSundaySchool
    const char* notes;
    int minAge, maxAge;
};

const CareGroupSeed kCareGroups[] = {
    {"Daniel Sanders", "Ashley Sanders", 3, "Meets the first Sunday evening of the month at the Sanders home", 30, 59},
    {"Mark Jenkins", "David Mitchell", 3, "Meets for breakfast the third Saturday of the month", 30, 59},
    {"Charles Griffin", "Patricia Brooks", 4, "Phones every household weekly; visits the homebound", 60, 200},
    {"Andrew Morgan", "Matthew Carter", 2, "Game night the second Friday of the month", 18, 29},
};

const char* const kResponsibilities[][2] = {
    {"Pastor", "Preaches, teaches and shepherds the congregation"},
    {"Deacon", "Cares for the households assigned to him and serves the Lord's Supper"},
    {"Treasurer", "Keeps the church accounts and reports on giving"},
    {"Church Secretary", "Runs the church office and keeps the records"},
    {"Sunday School Director", "Oversees the Sunday School classes and teachers"},
    {"Sunday School Teacher", "Teaches a Sunday School class"},
    {"Choir Director", "Leads the choir and plans the music"},
    {"Pianist", "Accompanies worship and the choir"},
    {"Usher", "Greets and seats visitors and takes up the offering"},
    {"Nursery Worker", "Cares for preschoolers during services"},
};

// A term of service: from January 1st, startYearsAgo years back, for the given number of years.
struct DutySeed {
    const char* person;
    const char* responsibility;
    int startYearsAgo;
    int years;
};

const DutySeed kDuties[] = {
    {"Michael Thompson", "Pastor", 9, 12},
    {"Robert Anderson", "Deacon", 2, 3},
    {"James Carter", "Deacon", 1, 3},
    {"William Brooks", "Deacon", 0, 3},
    {"Thomas Reed", "Deacon", 1, 3},
    {"Charles Griffin", "Deacon", 8, 3},
    {"Richard Wallace", "Treasurer", 4, 5},
    {"Karen Mitchell", "Church Secretary", 6, 10},
    {"James Carter", "Sunday School Director", 2, 3},
    {"Michelle Parker", "Choir Director", 3, 5},
    {"Rebecca Thompson", "Pianist", 8, 10},
    {"Steven Parker", "Usher", 2, 3},
    {"Daniel Sanders", "Usher", 1, 3},
    {"Kevin Bailey", "Usher", 5, 2},
    {"Ashley Sanders", "Nursery Worker", 1, 2},
    {"Nancy Bailey", "Nursery Worker", 0, 1},
};

const char* const kChoir[] = {"Michelle Parker", "Linda Anderson", "Susan Carter",    "Patricia Brooks",
                              "Carol Wallace",   "Jennifer Reed",  "Robert Anderson", "Richard Wallace",
                              "Barbara Griffin", "Lisa Jenkins",   "Emily Mitchell"};

const char* const kOccupations[] = {"Teacher",   "Nurse",          "Accountant",   "Electrician",      "Sales Manager",
                                    "Farmer",    "Office Manager", "Mechanic",     "Engineer",         "Pharmacist",
                                    "Homemaker", "Bank Teller",    "Truck Driver", "Real Estate Agent"};
const char* const kKnownOccupations[][2] = {
    {"Michael Thompson", "Pastor"}, {"Karen Mitchell", "Church Secretary"}, {"Richard Wallace", "Physician"}};
const char* const kPreviousChurches[] = {"Oak Grove Church", "Pleasant View Church", "Hillcrest Church",
                                         "Bethel Church"};
const char* const kLevels[] = {"Regular", "Occasional", "Seldom", "Never"};
const double kAttendChance[] = {0.9, 0.5, 0.15, 0.0};
enum Level { SS, WS, DT, SE, WN, LevelCount };

struct Person {
    qint64 id = 0;
    int family = 0;
    int age = 0;
    char sex = 'M';
    QString name;
    QString status;
    bool active = true;
    bool married = false;
    int level[LevelCount] = {};
    bool hasDiscipleship = false;
    bool hasWednesday = false;
};

struct Phase {
    QString phase;
    QString action;
    int weeks;
};

QVariant text(const char* s)
{
    return s ? QVariant(QString::fromUtf8(s)) : QVariant();
}

QString contactType(const QString& action)
{
    if (action == QLatin1String("Visit"))
        return QStringLiteral("Home visit");
    if (action == QLatin1String("Phone Call"))
        return QStringLiteral("Phone");
    return action == QLatin1String("Letter") ? QStringLiteral("Mail") : action;
}

class Builder {
public:
    explicit Builder(Database& db) : m_db(db), m_today(Clock::today()) {}

    qint64 run()
    {
        loadOutreachPlan();
        collectLeaders();
        addChurch();
        for (int f = 0; f < int(kFamilies.size()); ++f)
            addFamily(f);
        addResponsibilities();
        addClassesAndGroups();
        assignDeacons();
        addOrganizations();
        addProspectContacts();
        addAttendance();
        addContributions();
        return id("Karen Mitchell");
    }

private:
    int pick(int lowest, int highest) { return m_rng.bounded(lowest, highest + 1); }
    bool chance(double p) { return m_rng.generateDouble() < p; }
    QDateTime stamp(const QDate& day) { return QDateTime(day, QTime(pick(8, 16), pick(0, 59), pick(0, 59))); }
    qint64 id(const char* name) const { return m_ids.value(QString::fromUtf8(name)); }

    // The reserved 555-01xx numbers, handed out in turn.
    QString nextPhone()
    {
        const int n = m_phones++;
        return QStringLiteral("(%1) 555-01%2").arg(n < 100 ? 615 : 629).arg(n % 100, 2, 10, QLatin1Char('0'));
    }

    void loadOutreachPlan()
    {
        for (Recordset rs = m_db.openRecordset(QStringLiteral("SELECT Phase, Action, TimePeriod FROM Outreach_Phase "
                                                              "ORDER BY PhaseOrder"));
             !rs.Eof(); rs.MoveNext())
            m_phases.append({rs.Text(QStringLiteral("Phase")), rs.Text(QStringLiteral("Action")),
                             std::max(1, rs.Field(QStringLiteral("TimePeriod")).toInt())});
    }

    // Teachers, group leaders and those serving now come every Sunday.
    void collectLeaders()
    {
        auto addTeachers = [this](const auto& classes) {
            for (const ClassSeed& c : classes) {
                m_leaders.insert(QString::fromUtf8(c.teacher));
                m_leaders.insert(QString::fromUtf8(c.assistant));
            }
        };
        addTeachers(kSundaySchool);
        addTeachers(kDiscipleship);
        addTeachers(kWednesday);
        for (const CareGroupSeed& g : kCareGroups) {
            m_leaders.insert(QString::fromUtf8(g.leader));
            m_leaders.insert(QString::fromUtf8(g.assistant));
        }
        for (const DutySeed& duty : kDuties)
            if (duty.years > duty.startYearsAgo)
                m_leaders.insert(QString::fromUtf8(duty.person));
    }

    void addChurch()
    {
        m_db.execute(
            QStringLiteral("INSERT INTO Church (Name, Address1, Address2, City, State, Zip, Phone, Fax, Email, "
                           "Website, KeyPressDelay) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            {QStringLiteral("Grace Community Church"), QStringLiteral("400 Church Street"), QString(), m_city, m_state,
             m_zip, nextPhone(), nextPhone(), QStringLiteral("office@gracecommunity.example"),
             QStringLiteral("www.gracecommunity.example"), 1.0});
    }

    // What the people of one household share.
    struct Household {
        int index;
        const FamilySeed& seed;
        QString phone;
        QString mapSection;
        bool couple;
        QDate wedding;
        int faithfulness; // how often they come: 0 regular .. 2 seldom, 3 never
        QDate added;      // prospects: when we first heard of them
        qint64 headId = 0;
    };

    void addFamily(int f)
    {
        const FamilySeed& family = kFamilies[f];
        const auto spouse = std::find_if(family.people.begin(), family.people.end(), [](const PersonSeed& p) {
            return p.relation && qstrcmp(p.relation, "Spouse") == 0;
        });
        const bool couple = spouse != family.people.end();
        QDate wedding;
        if (couple) {
            const int younger = std::min(family.people.front().age, spouse->age);
            wedding = m_today.addYears(-std::max(1, younger - pick(21, 27))).addDays(-pick(0, 364));
        }
        const int faithfulness = family.kind == Kind::Former      ? 3
                                 : family.kind == Kind::Prospects ? pick(1, 2)
                                 : chance(0.6)                    ? 0
                                 : chance(0.7)                    ? 1
                                                                  : 2;
        // Prospects: the outreach plan is under way, its next step due about now.
        QDate added, firstContact;
        if (family.kind == Kind::Prospects) {
            int weeks = 0;
            for (int step = 0; step < std::min(family.contacts, int(m_phases.size())); ++step)
                weeks += m_phases[step].weeks;
            firstContact = m_today.addDays(pick(-4, 6) - 7 * weeks);
            added = firstContact.addDays(-pick(2, 6));
        }
        m_familyAdded.append(added);
        m_firstContact.append(firstContact);

        Household home{f, family, nextPhone(), QString(QChar(u'A' + pick(0, 3))), couple, wedding, faithfulness, added};
        for (const PersonSeed& seed : family.people) {
            const qint64 id = addPerson(home, seed);
            if (!seed.relation)
                home.headId = id;
            else
                m_db.execute(
                    QStringLiteral("INSERT INTO Family_Connection (Member_ID, Relationship, Relative_Member_ID) "
                                   "VALUES (?, ?, ?)"),
                    {home.headId, QString::fromUtf8(seed.relation), id});
        }
    }

    qint64 addPerson(const Household& home, const PersonSeed& seed)
    {
        const FamilySeed& family = home.seed;
        const Kind kind = family.kind;
        const QString first = QString::fromUtf8(seed.first);
        const QString last = QString::fromUtf8(seed.last ? seed.last : family.last);
        const bool head = !seed.relation;
        const bool adult = seed.age >= 18;
        Person p;
        p.family = home.index;
        p.age = seed.age;
        p.sex = seed.sex;
        p.name = first + u' ' + last;
        p.married = home.couple && (head || qstrcmp(seed.relation, "Spouse") == 0);
        p.active = kind == Kind::Members ? !seed.inactive : kind == Kind::Prospects;
        p.status = kind == Kind::Former      ? QStringLiteral("Previous Member")
                   : kind == Kind::Prospects ? QStringLiteral("Prospect")
                   : adult                   ? QStringLiteral("Member")
                                             : QStringLiteral("Child Of Member");

        const QString marital = seed.marital ? QString::fromUtf8(seed.marital)
                                : p.married  ? QStringLiteral("Married")
                                             : QStringLiteral("Single");
        QVariant title = text(seed.title);
        if (!seed.title && adult)
            title = seed.sex == 'M' ? QStringLiteral("Mr.")
                    : marital == QLatin1String("Married") || marital == QLatin1String("Widowed")
                        ? QStringLiteral("Mrs.")
                        : QStringLiteral("Ms.");
        const QDate birth = m_today.addYears(-seed.age).addDays(-pick(1, 364));
        const bool email = adult && chance(0.6);
        QVariant occupation;
        for (const auto& known : kKnownOccupations)
            if (p.name == QLatin1String(known[0]))
                occupation = QString::fromUtf8(known[1]);
        if (adult && !occupation.isValid())
            occupation = seed.age >= 67   ? QStringLiteral("Retired")
                         : seed.age <= 22 ? QStringLiteral("Student")
                                          : QString::fromUtf8(kOccupations[pick(0, std::size(kOccupations) - 1)]);

        // Joining: adults by profession of faith or by letter; children once baptized.
        QDate joined, baptized;
        QVariant previousChurch;
        if (kind != Kind::Prospects) {
            if (adult) {
                joined = m_today.addYears(-pick(1, std::min(30, seed.age - 12))).addDays(-pick(0, 364));
                if (chance(0.5))
                    baptized = joined;
                else
                    previousChurch = QString::fromUtf8(kPreviousChurches[pick(0, std::size(kPreviousChurches) - 1)]);
            } else if (seed.age >= 9 && chance(0.75)) {
                joined = baptized = std::min(birth.addYears(pick(8, 9)).addDays(pick(0, 300)), m_today.addDays(-7));
            }
        }
        const QDate added = home.added.isValid() ? home.added : std::max(birth, m_today.addDays(-pick(90, 720)));

        int* level = p.level;
        if (kind == Kind::Prospects) {
            level[WS] = home.faithfulness;
            level[SS] = std::min(3, home.faithfulness + 1);
            level[DT] = level[SE] = level[WN] = 3;
        } else {
            const int b = p.active ? home.faithfulness : std::max(home.faithfulness, 2);
            const bool leader = m_leaders.contains(p.name);
            level[WS] = leader ? 0 : b;
            level[SS] = leader ? 0 : std::min(3, b + (chance(0.2) ? 1 : 0));
            level[DT] = seed.age < 4 ? 3 : leader ? 0 : std::min(3, b + pick(0, 2));
            level[SE] = std::min(3, b + 1);
            level[WN] = seed.age < 4 ? 3 : leader ? 0 : std::min(3, b + pick(0, 2));
        }

        const QString street = QString::fromUtf8(family.street);
        m_db.execute(
            QStringLiteral(
                "INSERT INTO Member (Status, Title, First_Name, Middle_Name, Last_Name, Address_1, Address_2, City, "
                "State, Zip, Phone, Cell, Email, Occupation, Date_Of_Birth, Gender, Marital_Status, Anniversary_Date, "
                "Head_Of_Household, Map_Section, Notes, Member_Active_Status, Member_Since, Came_Forward, Baptized, "
                "Letter_Out, Previous_Church, Receive_Newsletter_Via_Mail, Receive_Newsletter_Via_EMail, "
                "Sunday_School_Attendance_Level, Worship_Service_Attendance_Level, "
                "Discipleship_Training_Attendance_Level, Sunday_Evening_Service_Attendance_Level, "
                "Wednesday_Night_Attendance_Level, Prospect_Active_Status, Prospect_Source, Prospect_Note, "
                "Envelope, ShowInContributionList, Date_Added, Added_By) "
                "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                "?, ?, ?, ?, ?, ?, ?, '', 0, ?, ?)"),
            {p.status, title, first, QString::fromUtf8(seed.middle), last, street.section(QStringLiteral(", "), 0, 0),
             street.section(QStringLiteral(", "), 1), m_city, m_state, m_zip, home.phone,
             adult && seed.age < 75 && chance(0.7) ? QVariant(nextPhone()) : QVariant(),
             email ? QVariant(QStringLiteral("%1.%2@example.com").arg(first.toLower(), last.toLower())) : QVariant(),
             occupation, birth, seed.sex == 'M' ? QStringLiteral("Male") : QStringLiteral("Female"), marital,
             p.married ? home.wedding : QDate(), head, home.mapSection,
             kind == Kind::Former && head ? text(family.note) : QVariant(),
             // The member screen requires both statuses (see the prospect status below).
             kind != Kind::Prospects && p.active ? QStringLiteral("Active") : QStringLiteral("InActive"), joined,
             baptized.isValid() ? baptized.addDays(-14) : QDate(), baptized,
             kind == Kind::Former ? m_today.addDays(-pick(60, 400)) : QDate(), previousChurch, head && !email, email,
             text(kLevels[level[SS]]), text(kLevels[level[WS]]), text(kLevels[level[DT]]), text(kLevels[level[SE]]),
             text(kLevels[level[WN]]),
             // A member who never came through outreach is no active prospect.
             kind == Kind::Prospects && !family.dropped ? QStringLiteral("Active") : QStringLiteral("InActive"),
             kind == Kind::Prospects ? text(family.source) : QVariant(),
             kind == Kind::Prospects ? text(family.note) : QVariant(), stamp(added), m_addedBy});
        p.id = m_db.scalar(QStringLiteral("SELECT last_insert_rowid()")).toLongLong();
        m_ids.insert(p.name, p.id);
        m_people.append(p);
        return p.id;
    }

    void addResponsibilities()
    {
        for (const auto& r : kResponsibilities)
            m_db.execute(QStringLiteral("INSERT INTO Responsibilities (Name, Description) VALUES (?, ?)"),
                         {QString::fromUtf8(r[0]), QString::fromUtf8(r[1])});
        for (const DutySeed& duty : kDuties) {
            const QDate start(m_today.year() - duty.startYearsAgo, 1, 1);
            const QDate end(start.year() + duty.years - 1, 12, 31);
            addDuty(id(duty.person), QString::fromUtf8(duty.responsibility), start, end);
            if (qstrcmp(duty.responsibility, "Deacon") == 0 && end >= m_today)
                m_deacons.append(id(duty.person));
        }
        // Sunday School teachers serve through the end of this year.
        for (const ClassSeed& c : kSundaySchool)
            for (const char* teacher : {c.teacher, c.assistant})
                addDuty(id(teacher), QStringLiteral("Sunday School Teacher"), QDate(m_today.year() - pick(0, 5), 9, 1),
                        QDate(m_today.year(), 12, 31));
    }

    void addDuty(qint64 member, const QString& responsibility, const QDate& start, const QDate& end)
    {
        m_db.execute(QStringLiteral("INSERT INTO Member_Responsibility (Member_ID, Responsibility, \"Start\", \"End\") "
                                    "VALUES (?, ?, ?, ?)"),
                     {member, responsibility, start, end});
    }

    // Adds the classes of one kind; returns their IDs in order.
    template <size_t N> QList<qint64> addClasses(const QString& table, const ClassSeed (&classes)[N])
    {
        QList<qint64> ids;
        for (const ClassSeed& c : classes) {
            m_db.execute(QStringLiteral("INSERT INTO %1 (Name, Description, Teacher, Asst_Teacher, Location) "
                                        "VALUES (?, ?, ?, ?, ?)")
                             .arg(table),
                         {QString::fromUtf8(c.name), QString::fromUtf8(c.description), id(c.teacher), id(c.assistant),
                          QString::fromUtf8(c.location)});
            ids.append(m_db.scalar(QStringLiteral("SELECT last_insert_rowid()")).toLongLong());
        }
        return ids;
    }

    // The class a person belongs to: the one they teach, else the one for their age.
    template <size_t N>
    QVariant classFor(const Person& p, const ClassSeed (&classes)[N], const QList<qint64>& ids) const
    {
        for (size_t i = 0; i < N; ++i)
            if (id(classes[i].teacher) == p.id || id(classes[i].assistant) == p.id)
                return ids[int(i)];
        for (size_t i = 0; i < N; ++i)
            if (p.age >= classes[i].minAge && p.age <= classes[i].maxAge)
                return ids[int(i)];
        return {};
    }

    void addClassesAndGroups()
    {
        const QList<qint64> sundaySchool = addClasses(QStringLiteral("Sunday_School"), kSundaySchool);
        const QList<qint64> discipleship = addClasses(QStringLiteral("Discipleship_Training"), kDiscipleship);
        const QList<qint64> wednesday = addClasses(QStringLiteral("Wednesday_Night"), kWednesday);

        QList<qint64> groups;
        for (const CareGroupSeed& g : kCareGroups) {
            m_db.execute(QStringLiteral("INSERT INTO Care_Group (Group_Leader, Asst_Group_Leader, Sunday_School_Class, "
                                        "Notes) VALUES (?, ?, ?, ?)"),
                         {id(g.leader), id(g.assistant), sundaySchool[g.sundaySchool], QString::fromUtf8(g.notes)});
            groups.append(m_db.scalar(QStringLiteral("SELECT last_insert_rowid()")).toLongLong());
        }
        // Each household joins a care group for its head's age, taking turns where several fit.
        QHash<int, QVariant> familyGroup;
        int turn = 0;
        for (const Person& p : m_people) {
            if (familyGroup.contains(p.family))
                continue;
            QList<qint64> fits;
            for (int g = 0; g < int(std::size(kCareGroups)); ++g)
                if (p.age >= kCareGroups[g].minAge && p.age <= kCareGroups[g].maxAge)
                    fits.append(groups[g]);
            familyGroup.insert(p.family, fits.isEmpty() ? QVariant() : QVariant(fits[turn++ % fits.size()]));
        }

        for (Person& p : m_people) {
            const Kind kind = kFamilies[p.family].kind;
            if (kind == Kind::Prospects) {
                m_db.execute(QStringLiteral("UPDATE Member SET Prospect_Sunday_School_Class_Assigned = ?, "
                                            "Prospect_Care_Group_Assigned = ? WHERE ID = ?"),
                             {classFor(p, kSundaySchool, sundaySchool), familyGroup.value(p.family), p.id});
                continue;
            }
            if (kind == Kind::Former)
                continue;
            const QVariant dt = p.level[DT] <= 1 ? classFor(p, kDiscipleship, discipleship) : QVariant();
            const QVariant wn = p.level[WN] <= 1 ? classFor(p, kWednesday, wednesday) : QVariant();
            p.hasDiscipleship = dt.isValid();
            p.hasWednesday = wn.isValid();
            m_db.execute(QStringLiteral("UPDATE Member SET Sunday_School_Class = ?, Care_Group_Assigned = ?, "
                                        "Discipleship_Training_Class = ?, Wednesday_Night_Class = ? WHERE ID = ?"),
                         {classFor(p, kSundaySchool, sundaySchool), familyGroup.value(p.family), dt, wn, p.id});
        }
    }

    // Households of the members are shared out among the serving deacons, none caring for his own.
    void assignDeacons()
    {
        QHash<qint64, int> deaconFamily;
        for (const Person& p : m_people)
            if (m_deacons.contains(p.id))
                deaconFamily.insert(p.id, p.family);
        QHash<int, qint64> familyDeacon;
        for (const Person& p : m_people) {
            if (kFamilies[p.family].kind != Kind::Members)
                continue;
            if (!familyDeacon.contains(p.family)) {
                const int turn = int(familyDeacon.size());
                qint64 deacon = m_deacons[turn % m_deacons.size()];
                if (deaconFamily.value(deacon) == p.family)
                    deacon = m_deacons[(turn + 1) % m_deacons.size()];
                familyDeacon.insert(p.family, deacon);
            }
            m_db.execute(QStringLiteral("UPDATE Member SET DeaconID = ? WHERE ID = ?"), {familyDeacon[p.family], p.id});
        }
    }

    void addOrganizations()
    {
        const QString sql = QStringLiteral("INSERT INTO Member_Organizations (MemberID, Organization) VALUES (?, ?)");
        for (const char* singer : kChoir)
            m_db.execute(sql, {id(singer), QStringLiteral("Choir")});
        for (const Person& p : m_people) {
            if (kFamilies[p.family].kind != Kind::Members || !p.active)
                continue;
            if (p.age >= 12 && p.age <= 17)
                m_db.execute(sql, {p.id, QStringLiteral("Youth Group")});
            else if (p.age >= 18 && chance(0.5))
                m_db.execute(
                    sql, {p.id, p.sex == 'F' ? QStringLiteral("Women's Ministry") : QStringLiteral("Men's Ministry")});
        }
    }

    // Walks each prospect household along the outreach plan, one contact per step taken, and sets the next step.
    void addProspectContacts()
    {
        const QList<Phase>& phases = m_phases;
        const QList<qint64> visitors = m_deacons + QList<qint64>{id("Michael Thompson"), id("Daniel Sanders")};

        for (int f = 0; f < int(kFamilies.size()); ++f) {
            const FamilySeed& family = kFamilies[f];
            if (family.kind != Kind::Prospects)
                continue;
            QList<qint64> prospects;
            for (const Person& p : m_people)
                if (p.family == f)
                    prospects.append(p.id);

            QDate day = m_firstContact[f];
            int step = 0;
            for (; step < std::min(family.contacts, int(phases.size())) && day <= m_today; ++step) {
                const Phase& phase = phases[step];
                const bool visit = phase.action == QLatin1String("Visit");
                const qint64 visitor1 = visitors[pick(0, visitors.size() - 1)];
                QVariant visitor2;
                if (visit)
                    visitor2 = visitors[(visitors.indexOf(visitor1) + pick(1, visitors.size() - 1)) % visitors.size()];
                const bool last = step + 1 == family.contacts;
                const QString rating = family.dropped && last    ? QStringLiteral("Not Interested")
                                       : visit && chance(0.25)   ? QStringLiteral("Not Home")
                                       : step > 0 && chance(0.5) ? QStringLiteral("Very Interested")
                                                                 : QStringLiteral("Interested");
                const QString notes =
                    rating == QLatin1String("Not Home") ? QStringLiteral("Left a card at the door.")
                    : rating == QLatin1String("Not Interested")
                        ? QStringLiteral("Asked us not to call again.")
                        : QStringLiteral("%1 went well; glad to hear from us.").arg(contactType(phase.action));
                for (qint64 prospect : prospects)
                    m_db.execute(
                        QStringLiteral("INSERT INTO Prospect_Contact (Prospect_ID, Contact_Date, Action, Type, "
                                       "Visitor1, Visitor2, Rating, Notes) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                        {prospect, day, phase.action, contactType(phase.action), visitor1, visitor2, rating, notes});
                day = day.addDays(7 * phase.weeks);
            }
            if (family.dropped || step >= phases.size())
                continue;
            for (qint64 prospect : prospects)
                m_db.execute(
                    QStringLiteral("UPDATE Member SET Prospect_Phase = ?, Prospect_Next_Contact_Date = ?, "
                                   "Prospect_Next_Contact_Action = ?, Prospect_Next_Contact_Type = ? WHERE ID = ?"),
                    {phases[step].phase, day, phases[step].action, contactType(phases[step].action), prospect});
        }
    }

    // The last sixteen Sundays, on or before today.
    QList<QDate> recentSundays(int count) const
    {
        const QDate sunday = m_today.addDays(-(m_today.dayOfWeek() % 7));
        QList<QDate> weeks;
        for (int i = count - 1; i >= 0; --i)
            weeks.append(sunday.addDays(-7 * i));
        return weeks;
    }

    void addAttendance()
    {
        for (const QDate& week : recentSundays(16)) {
            QSet<int> away; // households out of town this week
            for (int f = 0; f < int(kFamilies.size()); ++f)
                if (chance(0.08))
                    away.insert(f);
            for (const Person& p : m_people) {
                const Kind kind = kFamilies[p.family].kind;
                if (kind == Kind::Former || away.contains(p.family) ||
                    (kind == Kind::Prospects && week < m_familyAdded[p.family]))
                    continue;
                auto attends = [&](Level l) { return chance(kAttendChance[p.level[l]]); };
                const bool ss = attends(SS);
                const bool sl = ss && p.age >= 6 && chance(0.6);
                const bool rbd = ss && p.age >= 6 && chance(0.4);
                const bool ws = attends(WS);
                const bool dt = p.hasDiscipleship && attends(DT);
                const bool se = attends(SE);
                const bool wn = p.hasWednesday && attends(WN);
                if (!(ss || sl || rbd || ws || dt || se || wn))
                    continue;
                m_db.execute(
                    QStringLiteral("INSERT INTO AttendanceData (WeekOf, MemberID, SS, SL, RBD, WS, DT, SE, WN) "
                                   "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                    {week, p.id, ss, sl, rbd, ws, dt, se, wn});
            }
        }
    }

    // Household heads (or their spouse when the head has stopped coming) and other grown members give by
    // envelope, weekly or on the first Sunday of the month, by cheque or in cash.
    void addContributions()
    {
        QList<const Person*> givers;
        QSet<int> households;
        for (const Person& p : m_people) {
            if (kFamilies[p.family].kind != Kind::Members || !p.active || p.age < 18)
                continue;
            // A couple gives once, through the first of the two still coming.
            if (!p.married || !households.contains(p.family))
                givers.append(&p);
            if (p.married)
                households.insert(p.family);
        }
        const QList<QDate> sundays = recentSundays(14).mid(0, 13); // this week's envelopes are not entered yet
        const int amounts[] = {20, 25, 30, 40, 50, 60, 75, 100, 125, 150, 200};
        int envelope = 101;
        for (const Person* giver : givers) {
            const QString number = QString::number(envelope++);
            m_db.execute(QStringLiteral("UPDATE Member SET Envelope = ?, ShowInContributionList = 1 WHERE ID = ?"),
                         {number, giver->id});
            const int weekly = amounts[pick(0, std::size(amounts) - 1)];
            const bool monthly = chance(0.3);
            int cheque = chance(0.7) ? pick(1000, 9000) : 0;
            for (const QDate& sunday : sundays) {
                if (monthly ? sunday.day() > 7 : !chance(0.85))
                    continue;
                const double amount = monthly ? weekly * 4 : chance(0.15) ? weekly * 1.5 : weekly;
                addGift(giver, sunday, number, amount, QStringLiteral("General Fund"), cheque);
                if (chance(0.1))
                    addGift(giver, sunday, number, pick(2, 10) * 10, QStringLiteral("Building Fund"), cheque);
                if (sunday == sundays[8] && chance(0.5))
                    addGift(giver, sunday, number, pick(1, 5) * 25, QStringLiteral("Missions"), cheque);
            }
        }
    }

    void addGift(const Person* giver, const QDate& sunday, const QString& envelope, double amount,
                 const QString& designation, int& cheque)
    {
        m_db.execute(
            QStringLiteral("INSERT INTO Member_Contributions (MemberID, ContributionDate, EnvelopeNumber, Amount, "
                           "RefNumber, Designation, UserName, DateEntered) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
            {giver->id, sunday, envelope, amount, cheque ? QString::number(cheque++) : QString(), designation,
             m_addedBy, stamp(sunday.addDays(1))});
    }

    Database& m_db;
    const QDate m_today;
    QRandomGenerator m_rng{42};
    const QString m_city = QStringLiteral("Cedar Hollow");
    const QString m_state = QStringLiteral("TN");
    const QString m_zip = QStringLiteral("37150");
    const QString m_addedBy = QStringLiteral("admin");
    int m_phones = 0;
    QList<Person> m_people;
    QHash<QString, qint64> m_ids;
    QList<Phase> m_phases;
    QSet<QString> m_leaders;
    QList<QDate> m_familyAdded;
    QList<QDate> m_firstContact;
    QList<qint64> m_deacons;
};

} // namespace

namespace DemoData {

qint64 fill(Database& db)
{
    return Builder(db).run();
}

} // namespace DemoData
