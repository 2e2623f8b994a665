#include "BigChurch.h"
#include "Random.h"

#include "core/Passwords.h"
#include "platform/Clock.h"
#include "platform/Database.h"
#include "platform/SqlValue.h"

#include <QDateTime>
#include <QSqlQuery>
#include <QStringList>
#include <algorithm>
#include <array>
#include <set>
#include <vector>

// Every household below is drawn from name lists by a seeded random source, so a seed always gives the same
// church on a given day; "recent" is measured from Clock::today(). Member IDs are handed out in order from the
// first free number, so classes, care groups and deacons can name people before their rows are written, and
// every row is written once: no update passes.

namespace {

// clang-format off
const char* const kMaleNames[] = {"James", "John", "Robert", "Michael", "William", "David", "Richard", "Joseph",
    "Thomas", "Charles", "Daniel", "Matthew", "Anthony", "Mark", "Steven", "Paul", "Andrew", "Joshua", "Kenneth",
    "Kevin", "Brian", "George", "Timothy", "Ronald", "Jason", "Edward", "Jeffrey", "Ryan", "Jacob", "Gary", "Nicholas",
    "Eric", "Jonathan", "Stephen", "Larry", "Justin", "Scott", "Brandon", "Benjamin", "Samuel", "Gregory", "Frank",
    "Raymond", "Patrick", "Jack", "Dennis", "Jerry", "Tyler", "Aaron", "Henry", "Adam", "Nathan", "Caleb", "Noah",
    "Ethan", "Lucas", "Mason", "Logan", "Wayne", "Carl"};
const char* const kFemaleNames[] = {"Mary", "Patricia", "Jennifer", "Linda", "Elizabeth", "Barbara", "Susan",
    "Jessica", "Sarah", "Karen", "Lisa", "Nancy", "Betty", "Margaret", "Sandra", "Ashley", "Kimberly", "Emily", "Donna",
    "Michelle", "Carol", "Amanda", "Dorothy", "Melissa", "Deborah", "Stephanie", "Rebecca", "Sharon", "Laura",
    "Cynthia", "Kathleen", "Amy", "Angela", "Shirley", "Anna", "Brenda", "Pamela", "Emma", "Nicole", "Helen",
    "Samantha", "Katherine", "Christine", "Debra", "Rachel", "Carolyn", "Janet", "Catherine", "Maria", "Heather",
    "Diane", "Ruth", "Julie", "Olivia", "Joyce", "Virginia", "Hannah", "Abigail", "Grace", "Chloe"};
const char* const kLastNames[] = {"Smith", "Johnson", "Williams", "Brown", "Jones", "Miller", "Davis", "Wilson",
    "Anderson", "Taylor", "Thomas", "Moore", "Martin", "Jackson", "Thompson", "White", "Harris", "Clark", "Lewis",
    "Robinson", "Walker", "Young", "Allen", "King", "Wright", "Scott", "Hill", "Green", "Adams", "Baker", "Nelson",
    "Carter", "Mitchell", "Roberts", "Turner", "Phillips", "Campbell", "Parker", "Evans", "Edwards", "Collins",
    "Stewart", "Morris", "Rogers", "Reed", "Cook", "Morgan", "Bell", "Murphy", "Bailey", "Cooper", "Richardson", "Cox",
    "Howard", "Ward", "Peterson", "Gray", "James", "Watson", "Brooks", "Kelly", "Sanders", "Price", "Bennett", "Wood",
    "Barnes", "Ross", "Henderson", "Coleman", "Jenkins", "Perry", "Powell", "Long", "Patterson", "Hughes", "Flores",
    "Washington", "Butler", "Simmons", "Foster", "Bryant", "Alexander", "Russell", "Griffin", "Hayes", "Myers", "Ford",
    "Hamilton", "Graham", "Sullivan", "Wallace", "Woods", "Cole", "West", "Jordan", "Owens", "Reynolds", "Fisher",
    "Ellis", "Harrison", "Gibson", "McDonald", "Marshall", "Wells", "Tucker", "Porter", "Hunter", "Hicks", "Crawford",
    "Henry", "Boyd", "Mason", "Kennedy", "Warren", "Dixon", "Burns", "Gordon", "Shaw", "Holmes", "Rice", "Hunt",
    "Black", "Daniels", "Palmer", "Mills", "Grant", "Knight", "Ferguson", "Stone", "Hawkins", "Dunn", "Perkins"};
const char* const kStreets[] = {"Maple Street", "Oak Avenue", "Dogwood Lane", "Hickory Ridge Road", "Church Street",
    "Cedar Avenue", "Willow Court", "Poplar Street", "Magnolia Drive", "Birch Lane", "Walnut Street", "Pine Valley Road",
    "Elm Street", "Chestnut Drive", "Sycamore Circle", "Riverbend Road", "Meadow Lane", "Laurel Street",
    "Old Mill Road", "Main Street", "College Street", "Lakeview Drive", "Forest Hills Drive", "Mockingbird Lane",
    "Spring Street", "Hillcrest Road", "Park Avenue", "Creekside Drive", "Valley View Road", "Sunset Boulevard"};
const char* const kOccupations[] = {"Teacher", "Nurse", "Accountant", "Electrician", "Sales Manager", "Farmer",
    "Office Manager", "Mechanic", "Engineer", "Pharmacist", "Homemaker", "Bank Teller", "Truck Driver",
    "Real Estate Agent", "Physician", "Plumber", "Attorney", "Carpenter", "Police Officer", "Programmer"};
const char* const kPreviousChurches[] = {"Oak Grove Church", "Pleasant View Church", "Hillcrest Church",
    "Bethel Church", "Mount Zion Church", "New Hope Church"};
const char* const kSources[] = {"Visited a worship service", "Vacation Bible School", "Church website",
    "Invited by a member", "Moved to the area", "Community event"};
// clang-format on

struct Town {
    const char* city;
    const char* zip;
};
const Town kTowns[] = {{"Cedar Hollow", "37150"}, {"Millbrook", "37152"}, {"Spring Valley", "37154"}};

enum class Kind { Members, Former, Prospects };
enum Level { SS, WS, DT, SE, WN, LevelCount };
const char* const kLevels[] = {"Regular", "Occasional", "Seldom", "Never"};
const double kAttendChance[] = {0.9, 0.5, 0.15, 0.0};
constexpr int kNever = 3;

// The three kinds of class; each has bands of ages with their own classes.
enum ClassKind { SundaySchool, Discipleship, Wednesday, ClassKindCount };
struct Band {
    const char* name;
    const char* description;
    int minAge, maxAge;
};
const std::vector<Band> kBands[ClassKindCount] = {
    {{"Children", "Bible stories and crafts", 4, 11},
     {"Youth", "Students in grades 7 to 12", 12, 17},
     {"Young Adults", "Singles and young couples", 18, 29},
     {"Adults", "Adults 30 to 59", 30, 59},
     {"Senior Adults", "Adults 60 and over", 60, 200}},
    {{"Children's Discipleship", "Memory verses and missions", 4, 11},
     {"Youth Discipleship", "Faith questions for teenagers", 12, 17},
     {"Adult Discipleship", "Doctrine and Christian living", 18, 200}},
    {{"Kids Club", "Games, songs and verses", 4, 11},
     {"Youth Group", "Wednesday supper and youth meeting", 12, 17},
     {"Prayer Meeting", "Midweek Bible study and prayer", 18, 200}},
};
const char* const kClassTables[] = {"Sunday_School", "Discipleship_Training", "Wednesday_Night"};
const Level kClassLevel[] = {SS, DT, WN};

struct Person {
    int household = 0;
    int age = 0;
    bool male = false;
    const char* relation = nullptr; // to the head; none for the head
    QString first, middle, last;
    bool active = true;
    bool married = false;
    int level[LevelCount] = {};  // as recorded
    int attend[LevelCount] = {}; // how they came while they came
    qint64 id = 0;
    int cls[ClassKindCount] = {-1, -1, -1};
    bool teaches = false;
    QDate birth, added, until; // attendance runs from added (or birth) until the given day
    QString envelope;
};

struct Household {
    Kind kind = Kind::Members;
    int first = 0, count = 0;
    QString last, street, phone, mapSection;
    int town = 0;
    QDate added;
    QDate wedding;
    int careGroup = -1;
    qint64 deacon = 0;
    // Outreach: the plan's steps taken, from the first contact; Joined for members who came that way.
    QString prospectStatus;
    int steps = 0;
    QDate firstContact;
    QDate joined;
};

struct SchoolClass {
    ClassKind kind;
    int band;
    QString name;
    qint64 id = 0;
    int teacher = -1, assistant = -1;
};

struct Phase {
    QString phase, action;
    int weeks;
};

QString contactType(const QString& action)
{
    if (action == QLatin1String("Visit"))
        return QStringLiteral("Home visit");
    if (action == QLatin1String("Phone Call"))
        return QStringLiteral("Phone");
    return action == QLatin1String("Letter") ? QStringLiteral("Mail") : action;
}

QString isoDate(const QDate& day)
{
    return day.toString(Qt::ISODate);
}

class Generator {
public:
    Generator(Database& db, const BigChurch::Options& options, const QString& adminName, const QString& password)
        : m_db(db), m_options(options), m_rng(options.seed), m_adminName(adminName), m_password(password),
          m_today(Clock::today())
    {
        const QDate sunday = m_today.addDays(-(m_today.dayOfWeek() % 7));
        const int weeks = 52 * options.years;
        for (int i = weeks - 1; i >= 0; --i)
            m_sundays.push_back(sunday.addDays(-7 * i));
        m_spanStart = m_sundays.front();
    }

    qint64 run()
    {
        // A bigger page cache keeps the indexes of millions of attendance rows in memory while they grow.
        m_db.execute(QStringLiteral("PRAGMA cache_size = -262144"));
        m_firstId = m_db.scalar(QStringLiteral("SELECT IFNULL(MAX(ID), 0) + 1 FROM Member")).toLongLong();
        loadOutreachPlan();
        planHouseholds();
        planClasses();
        planCareGroups();
        planDeacons();
        planOutreach();
        planGivers();
        addChurch();
        addClasses();
        addPeople();
        addFamilyLinks();
        addResponsibilities();
        addOrganizations();
        addProspectContacts();
        addAttendance();
        addContributions();
        addUsers();
        return m_people[size_t(m_secretary)].id;
    }

private:
    // ---- planning -------------------------------------------------------------------------------------------

    void loadOutreachPlan()
    {
        for (Recordset rs = m_db.openRecordset(QStringLiteral("SELECT Phase, Action, TimePeriod FROM Outreach_Phase "
                                                              "ORDER BY PhaseOrder"));
             !rs.Eof(); rs.MoveNext())
            m_phases.push_back({rs.Text(QStringLiteral("Phase")), rs.Text(QStringLiteral("Action")),
                                std::max(1, rs.Field(QStringLiteral("TimePeriod")).toInt())});
    }

    QDate someDayBetween(const QDate& from, const QDate& to)
    {
        return to <= from ? from : from.addDays(m_rng.between(0, int(from.daysTo(to))));
    }

    QString nextPhone()
    {
        const int n = m_phones++;
        return QStringLiteral("(%1) 555-%2").arg(n < 10000 ? 615 : 629).arg(n % 10000, 4, 10, QLatin1Char('0'));
    }

    void planHouseholds()
    {
        const int total = m_options.people;
        while (int(m_people.size()) < total) {
            Household home;
            const int index = int(m_households.size());
            // The first household is a family of members: the church office comes from it.
            home.kind = index == 0 ? Kind::Members : Kind(m_rng.weighted({0.80, 0.07, 0.13}));
            const int wanted = 1 + m_rng.weighted({0.26, 0.30, 0.15, 0.17, 0.09, 0.03});
            home.count = std::min(wanted, total - int(m_people.size()));
            home.first = int(m_people.size());
            home.last = QString::fromUtf8(m_rng.of(kLastNames));
            home.street =
                QStringLiteral("%1 %2").arg(m_rng.between(10, 2999)).arg(QString::fromUtf8(m_rng.of(kStreets)));
            home.town = m_rng.between(0, int(std::size(kTowns)) - 1);
            home.phone = nextPhone();
            home.mapSection = QString(QChar(u'A' + m_rng.between(0, 5)));
            home.added = householdAdded(home.kind);
            const int faithfulness = home.kind == Kind::Prospects ? m_rng.between(1, 3)
                                     : home.kind == Kind::Former  ? m_rng.between(0, 2)
                                                                  : m_rng.weighted({0.37, 0.17, 0.09, 0.37});
            planPeople(home, index, faithfulness);
            m_households.push_back(home);
        }
    }

    QDate householdAdded(Kind kind)
    {
        const QDate span = m_spanStart;
        switch (kind) {
        case Kind::Members:
            // Most households were on the register before the history starts; others joined since.
            return m_rng.chance(0.65) ? span.addDays(-m_rng.between(1, 3650))
                                      : someDayBetween(span, m_today.addDays(-30));
        case Kind::Former:
            return m_rng.chance(0.7) ? span.addDays(-m_rng.between(1, 3650))
                                     : someDayBetween(span, m_today.addDays(-400));
        case Kind::Prospects:
            break;
        }
        return {}; // prospects: set with their outreach
    }

    void planPeople(Household& home, int index, int faithfulness)
    {
        const int headAge = index == 0 ? m_rng.between(30, 60) : m_rng.between(22, 88);
        const bool couple = home.count >= 2 && headAge < 86 && m_rng.chance(0.8);
        const bool headMale = couple ? m_rng.chance(0.95) : m_rng.chance(0.4);
        if (couple)
            home.wedding =
                m_today.addYears(-std::max(1, headAge - m_rng.between(21, 27))).addDays(-m_rng.between(0, 364));
        for (int i = 0; i < home.count; ++i) {
            Person p;
            p.household = index;
            p.last = home.last;
            if (i == 0) {
                p.age = headAge;
                p.male = headMale;
            } else if (i == 1 && couple) {
                p.age = std::max(18, headAge + m_rng.between(-4, 3));
                p.male = !headMale;
                p.relation = "Spouse";
            } else {
                p.male = m_rng.chance(0.5);
                const int draw = m_rng.weighted(
                    {headAge <= 62 ? 0.85 : 0.05, headAge >= 50 ? 0.5 : 0.0, headAge <= 60 ? 0.06 : 0.0, 0.05});
                if (draw == 0) {
                    p.age = m_rng.between(0, std::max(0, std::min(25, headAge - 20)));
                    p.relation = p.male ? "Son" : "Daughter";
                } else if (draw == 1) {
                    p.age = m_rng.between(0, 20);
                    p.relation = p.male ? "Grandson" : "Granddaughter";
                } else if (draw == 2) {
                    p.age = std::min(99, headAge + m_rng.between(22, 32));
                    p.relation = p.male ? "Father" : "Mother";
                } else {
                    p.age = m_rng.between(18, 90);
                    p.relation = "Other";
                    p.last = QString::fromUtf8(m_rng.of(kLastNames));
                }
            }
            p.married = couple && i <= 1;
            p.first = QString::fromUtf8(p.male ? m_rng.of(kMaleNames) : m_rng.of(kFemaleNames));
            p.middle = QString::fromUtf8(p.male ? m_rng.of(kMaleNames) : m_rng.of(kFemaleNames));
            p.birth = m_today.addYears(-p.age).addDays(-m_rng.between(1, 364));
            p.active = home.kind != Kind::Former &&
                       (home.kind == Kind::Prospects || !m_rng.chance(0.06) || (index == 0 && i == 0));
            planLevels(p, home.kind, faithfulness);
            m_people.push_back(p);
        }
    }

    void planLevels(Person& p, Kind kind, int faithfulness)
    {
        const int b = p.active || kind == Kind::Former ? faithfulness : kNever;
        int* a = p.attend;
        if (kind == Kind::Prospects) {
            a[WS] = b;
            a[SS] = std::min(kNever, b + 1);
            a[DT] = a[SE] = a[WN] = kNever;
        } else {
            a[WS] = b;
            a[SS] = std::min(kNever, b + (m_rng.chance(0.2) ? 1 : 0));
            a[DT] = p.age < 4 ? kNever : std::min(kNever, b + m_rng.between(0, 2));
            a[SE] = std::min(kNever, b + 1);
            a[WN] = p.age < 4 ? kNever : std::min(kNever, b + m_rng.between(0, 2));
        }
        for (int l = 0; l < LevelCount; ++l)
            p.level[l] = kind == Kind::Former ? kNever : a[l];
    }

    bool isActiveMember(const Person& p) const
    {
        return m_households[size_t(p.household)].kind == Kind::Members && p.active;
    }

    // Active grown members who serve nowhere yet, in a shuffled order drawn once.
    int nextServant(int minAge, int maxAge, bool menOnly = false)
    {
        if (m_servants.empty()) {
            for (int i = 0; i < int(m_people.size()); ++i)
                if (isActiveMember(m_people[size_t(i)]) && m_people[size_t(i)].age >= 18)
                    m_servants.push_back(i);
            for (int i = int(m_servants.size()) - 1; i > 0; --i)
                std::swap(m_servants[size_t(i)], m_servants[size_t(m_rng.between(0, i))]);
        }
        for (int pass = 0; pass < 2; ++pass) {
            for (size_t k = 0; k < m_servants.size(); ++k) {
                const int i = m_servants[k];
                const Person& p = m_people[size_t(i)];
                if (p.age < minAge || p.age > maxAge || (menOnly && !p.male) || (pass == 0 && m_serving.count(i)))
                    continue;
                m_serving.insert(i);
                return i;
            }
        }
        // A small church may have nobody of that age: anyone grown will do.
        return menOnly || minAge > 18 || maxAge < 200 ? nextServant(18, 200) : m_servants.front();
    }

    void planClasses()
    {
        const int perKind = std::max(1, (m_options.people + 20) / 40);
        for (int kind = 0; kind < ClassKindCount; ++kind) {
            const std::vector<Band>& bands = kBands[kind];
            const Level level = kClassLevel[kind];
            const int limit = kind == SundaySchool ? 2 : 1; // Never stays home; the others come Sundays
            std::vector<std::vector<int>> takers(bands.size());
            int all = 0;
            for (int i = 0; i < int(m_people.size()); ++i) {
                const Person& p = m_people[size_t(i)];
                if (!isActiveMember(p) || p.level[level] > limit)
                    continue;
                for (size_t b = 0; b < bands.size(); ++b)
                    if (p.age >= bands[b].minAge && p.age <= bands[b].maxAge) {
                        takers[b].push_back(i);
                        ++all;
                    }
            }
            for (size_t b = 0; b < bands.size(); ++b) {
                if (takers[b].empty())
                    continue;
                const int count = std::max(1, int(double(perKind) * double(takers[b].size()) / double(all) + 0.5));
                const int firstClass = int(m_classes.size());
                for (int c = 0; c < count; ++c) {
                    SchoolClass sc{ClassKind(kind), int(b),
                                   count == 1
                                       ? QString::fromUtf8(bands[b].name)
                                       : QStringLiteral("%1 %2").arg(QString::fromUtf8(bands[b].name)).arg(c + 1)};
                    sc.teacher = nextServant(25, 75);
                    sc.assistant = nextServant(20, 80);
                    // Teachers belong to the class they teach, and come every week.
                    for (int t : {sc.teacher, sc.assistant}) {
                        Person& teacher = m_people[size_t(t)];
                        teacher.cls[kind] = int(m_classes.size());
                        teacher.level[level] = teacher.attend[level] = 0;
                        teacher.teaches = true;
                    }
                    m_classes.push_back(sc);
                }
                for (int i : takers[b])
                    if (m_people[size_t(i)].cls[kind] < 0)
                        m_people[size_t(i)].cls[kind] = firstClass + m_rng.between(0, count - 1);
            }
        }
    }

    void planCareGroups()
    {
        std::vector<int> homes;
        for (int h = 0; h < int(m_households.size()); ++h)
            if (m_households[size_t(h)].kind != Kind::Former)
                homes.push_back(h);
        std::vector<int> adultClasses;
        for (int c = 0; c < int(m_classes.size()); ++c)
            if (m_classes[size_t(c)].kind == SundaySchool &&
                kBands[SundaySchool][size_t(m_classes[size_t(c)].band)].minAge >= 18)
                adultClasses.push_back(c);
        const int count = std::max(1, int(homes.size()) / 12);
        for (int g = 0; g < count; ++g)
            m_groups.push_back(
                {nextServant(25, 80), nextServant(20, 80), adultClasses.empty() ? -1 : m_rng.of(adultClasses)});
        for (int h : homes)
            m_households[size_t(h)].careGroup = m_rng.between(0, count - 1);
    }

    qint64 idOf(int person) const { return m_firstId + person; }

    void planDeacons()
    {
        int memberHomes = 0;
        for (const Household& home : m_households)
            memberHomes += home.kind == Kind::Members;
        const int count = std::max(1, memberHomes / 15);
        for (int d = 0; d < count; ++d)
            m_deacons.push_back(nextServant(30, 80, true));
        for (Household& home : m_households) {
            if (home.kind != Kind::Members)
                continue;
            // None cares for his own household.
            for (int attempt = 0; attempt < 8 && home.deacon == 0; ++attempt) {
                const int deacon = m_rng.of(m_deacons);
                if (m_people[size_t(deacon)].household != int(&home - m_households.data()))
                    home.deacon = idOf(deacon);
            }
        }
        m_pastor = nextServant(30, 70, true);
        m_secretary = m_households.front().first; // the office is run from the first household
        m_serving.insert(m_secretary);
        // A small church may have had to give one man several places.
        std::sort(m_deacons.begin(), m_deacons.end());
        m_deacons.erase(std::unique(m_deacons.begin(), m_deacons.end()), m_deacons.end());
        m_visitors = m_deacons;
        m_visitors.push_back(m_pastor);
        std::sort(m_visitors.begin(), m_visitors.end());
        m_visitors.erase(std::unique(m_visitors.begin(), m_visitors.end()), m_visitors.end());
    }

    // Prospects walk the outreach plan from their first contact; some households of members came that way.
    void planOutreach()
    {
        int planWeeks = 0;
        for (const Phase& phase : m_phases)
            planWeeks += phase.weeks;
        const int phases = int(m_phases.size());
        for (Household& home : m_households) {
            if (home.kind == Kind::Prospects) {
                const bool active = m_rng.chance(0.75);
                home.prospectStatus = active ? QStringLiteral("Active") : QStringLiteral("InActive");
                home.steps = phases == 0 ? 0 : m_rng.between(1, phases);
                if (active) {
                    // The next step falls due about now.
                    int weeks = 0;
                    for (int s = 0; s < home.steps; ++s)
                        weeks += m_phases[size_t(s)].weeks;
                    home.firstContact = m_today.addDays(m_rng.between(-6, 4) - 7 * weeks);
                } else {
                    home.firstContact = someDayBetween(m_spanStart, m_today.addDays(-7 * planWeeks - 30));
                }
                home.added = home.firstContact.addDays(-m_rng.between(2, 6));
            } else if (home.kind == Kind::Members && home.added >= m_spanStart &&
                       home.added.addDays(7 * planWeeks + 30) <= m_today && phases > 0 && m_rng.chance(0.3)) {
                home.prospectStatus = QStringLiteral("Joined");
                home.steps = m_rng.between(1, phases);
                home.firstContact = home.added.addDays(m_rng.between(2, 6));
                int weeks = 0;
                for (int s = 0; s < home.steps; ++s)
                    weeks += m_phases[size_t(s)].weeks;
                home.joined = home.firstContact.addDays(7 * weeks);
            }
            for (int i = home.first; i < home.first + home.count; ++i) {
                Person& p = m_people[size_t(i)];
                p.added = std::max(p.birth, home.added);
                // Prospects come only until they are dropped; former members until they left.
                p.until = home.kind == Kind::Prospects && home.prospectStatus != QLatin1String("Active")
                              ? home.firstContact.addDays(7 * planWeeks)
                              : m_today;
            }
        }
        for (Household& home : m_households) {
            if (home.kind != Kind::Former)
                continue;
            const QDate left = someDayBetween(std::max(home.added.addDays(365), m_spanStart), m_today.addDays(-60));
            for (int i = home.first; i < home.first + home.count; ++i)
                m_people[size_t(i)].until = left;
        }
    }

    // One giver per household of some member households, each with an envelope of their own.
    void planGivers()
    {
        int envelope = 1001;
        for (const Household& home : m_households) {
            if (home.kind != Kind::Members || !m_rng.chance(0.35))
                continue;
            for (int i = home.first; i < home.first + std::min(home.count, 2); ++i) {
                Person& p = m_people[size_t(i)];
                if (p.active && p.age >= 18) {
                    p.envelope = QString::number(envelope++);
                    m_givers.push_back(i);
                    break;
                }
            }
        }
    }

    // ---- writing ---------------------------------------------------------------------------------------------

    // Binds the values by position (dates as ISO text, Yes/No as 0/1) and runs the prepared statement.
    void exec(QSqlQuery& query, const QVariantList& values)
    {
        for (int i = 0; i < values.size(); ++i)
            query.bindValue(i, SqlValue::toSql(values.at(i)));
        m_db.execute(query);
    }

    QDateTime stamp(const QDate& day)
    {
        return QDateTime(day, QTime(m_rng.between(8, 16), m_rng.between(0, 59), m_rng.between(0, 59)));
    }

    void addChurch()
    {
        QSqlQuery q = m_db.prepare(
            QStringLiteral("INSERT INTO Church (Name, Address1, Address2, City, State, Zip, Phone, Fax, Email, "
                           "Website, KeyPressDelay) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        exec(q, {QStringLiteral("First Church of Cedar Hollow"), QStringLiteral("100 Church Street"), QString(),
                 QString::fromUtf8(kTowns[0].city), QStringLiteral("TN"), QString::fromUtf8(kTowns[0].zip), nextPhone(),
                 nextPhone(), QStringLiteral("office@firstchurch.example"), QStringLiteral("www.firstchurch.example"),
                 1.0});
    }

    void addClasses()
    {
        for (int kind = 0; kind < ClassKindCount; ++kind) {
            QSqlQuery q = m_db.prepare(QStringLiteral("INSERT INTO %1 (Name, Description, Teacher, Asst_Teacher, "
                                                      "Location) VALUES (?, ?, ?, ?, ?)")
                                           .arg(QLatin1String(kClassTables[kind])));
            for (SchoolClass& sc : m_classes) {
                if (sc.kind != kind)
                    continue;
                exec(q, {sc.name, QString::fromUtf8(kBands[kind][size_t(sc.band)].description), idOf(sc.teacher),
                         idOf(sc.assistant), QStringLiteral("Room %1").arg(100 + m_rng.between(1, 250))});
                sc.id = q.lastInsertId().toLongLong();
            }
        }
        QSqlQuery q = m_db.prepare(QStringLiteral("INSERT INTO Care_Group (Group_Leader, Asst_Group_Leader, "
                                                  "Sunday_School_Class, Notes) VALUES (?, ?, ?, ?)"));
        for (CareGroup& g : m_groups) {
            exec(q, {idOf(g.leader), idOf(g.assistant),
                     g.sundaySchool < 0 ? QVariant() : m_classes[size_t(g.sundaySchool)].id,
                     QStringLiteral("Meets monthly in a member's home")});
            g.id = q.lastInsertId().toLongLong();
        }
    }

    QVariant classId(const Person& p, ClassKind kind) const
    {
        return p.cls[kind] < 0 ? QVariant() : QVariant(m_classes[size_t(p.cls[kind])].id);
    }

    // The Sunday School class a prospect is meant for: one of the classes of their age.
    QVariant prospectClass(const Person& p)
    {
        std::vector<int> fits;
        for (int c = 0; c < int(m_classes.size()); ++c) {
            const SchoolClass& sc = m_classes[size_t(c)];
            const Band& band = kBands[SundaySchool][size_t(sc.band)];
            if (sc.kind == SundaySchool && p.age >= band.minAge && p.age <= band.maxAge)
                fits.push_back(c);
        }
        return fits.empty() ? QVariant() : QVariant(m_classes[size_t(m_rng.of(fits))].id);
    }

    void addPeople()
    {
        QSqlQuery q = m_db.prepare(QStringLiteral(
            "INSERT INTO Member (ID, Status, Title, First_Name, Middle_Name, Last_Name, Address_1, City, State, Zip, "
            "Phone, Cell, Email, Occupation, Date_Of_Birth, Gender, Marital_Status, Anniversary_Date, "
            "Head_Of_Household, Map_Section, Notes, Member_Active_Status, Member_Since, Came_Forward, Baptized, "
            "Letter_Out, Previous_Church, Receive_Newsletter_Via_Mail, Receive_Newsletter_Via_EMail, "
            "Sunday_School_Attendance_Level, Worship_Service_Attendance_Level, Discipleship_Training_Attendance_Level, "
            "Sunday_Evening_Service_Attendance_Level, Wednesday_Night_Attendance_Level, Sunday_School_Class, "
            "Care_Group_Assigned, Discipleship_Training_Class, Wednesday_Night_Class, DeaconID, "
            "Prospect_Active_Status, Prospect_Source, Prospect_Sunday_School_Class_Assigned, "
            "Prospect_Care_Group_Assigned, Prospect_Note, Prospect_Phase, Prospect_Next_Contact_Date, "
            "Prospect_Next_Contact_Action, Prospect_Next_Contact_Type, Envelope, ShowInContributionList, Date_Added, "
            "Added_By) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
            "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        for (int i = 0; i < int(m_people.size()); ++i) {
            Person& p = m_people[size_t(i)];
            p.id = idOf(i);
            const Household& home = m_households[size_t(p.household)];
            const Kind kind = home.kind;
            const bool head = !p.relation;
            const bool adult = p.age >= 18;
            const bool prospect = kind == Kind::Prospects;

            const QString status = kind == Kind::Former ? QStringLiteral("Previous Member")
                                   : prospect           ? QStringLiteral("Prospect")
                                   : adult              ? QStringLiteral("Member")
                                                        : QStringLiteral("Child Of Member");
            const QString marital = p.married           ? QStringLiteral("Married")
                                    : !adult            ? QStringLiteral("Single")
                                    : p.age >= 70       ? QStringLiteral("Widowed")
                                    : m_rng.chance(0.3) ? QStringLiteral("Divorced")
                                                        : QStringLiteral("Single");
            QVariant title;
            if (i == m_pastor)
                title = QStringLiteral("Rev.");
            else if (adult)
                title = p.male                                             ? QStringLiteral("Mr.")
                        : p.married || marital == QLatin1String("Widowed") ? QStringLiteral("Mrs.")
                                                                           : QStringLiteral("Ms.");
            const bool email = adult && m_rng.chance(0.6);
            QVariant occupation;
            if (i == m_pastor)
                occupation = QStringLiteral("Pastor");
            else if (i == m_secretary)
                occupation = QStringLiteral("Church Secretary");
            else if (adult)
                occupation = p.age >= 67   ? QStringLiteral("Retired")
                             : p.age <= 22 ? QStringLiteral("Student")
                                           : QString::fromUtf8(m_rng.of(kOccupations));

            // Joining: adults by profession of faith or by letter; children once baptized.
            QDate joined, baptized;
            QVariant previousChurch;
            if (!prospect) {
                if (adult) {
                    joined = home.joined.isValid() ? home.joined : std::max(p.added, p.birth.addYears(16));
                    if (m_rng.chance(0.5))
                        baptized = joined;
                    else
                        previousChurch = QString::fromUtf8(m_rng.of(kPreviousChurches));
                } else if (p.age >= 9 && m_rng.chance(0.75)) {
                    joined = baptized = std::min(p.birth.addYears(m_rng.between(8, 9)), m_today.addDays(-7));
                }
            }

            QVariant nextPhase, nextDate, nextAction, nextType;
            if (prospect && home.prospectStatus == QLatin1String("Active") && home.steps < int(m_phases.size())) {
                const Phase& phase = m_phases[size_t(home.steps)];
                nextPhase = phase.phase;
                nextDate = nextContact(home);
                nextAction = phase.action;
                nextType = contactType(phase.action);
            }
            const Town& town = kTowns[home.town];
            exec(q, {p.id, status, title, p.first, p.middle, p.last, home.street, QString::fromUtf8(town.city),
                     QStringLiteral("TN"), QString::fromUtf8(town.zip), home.phone,
                     adult && p.age < 75 && m_rng.chance(0.7) ? QVariant(nextPhone()) : QVariant(),
                     email ? QVariant(
                                 QStringLiteral("%1.%2%3@example.com").arg(p.first.toLower(), p.last.toLower()).arg(i))
                           : QVariant(),
                     occupation, p.birth, p.male ? QStringLiteral("Male") : QStringLiteral("Female"), marital,
                     p.married ? home.wedding : QDate(), head, home.mapSection,
                     kind == Kind::Former && head ? QVariant(QStringLiteral("Moved away; church letter sent."))
                                                  : QVariant(),
                     // The member screen requires both statuses: a prospect is not active in the church, and a
                     // member who never came through outreach is no active prospect.
                     p.active && !prospect ? QStringLiteral("Active") : QStringLiteral("InActive"), joined,
                     baptized.isValid() ? baptized.addDays(-14) : QDate(), baptized,
                     kind == Kind::Former ? p.until : QDate(), previousChurch, head && !email, email,
                     QString::fromUtf8(kLevels[p.level[SS]]), QString::fromUtf8(kLevels[p.level[WS]]),
                     QString::fromUtf8(kLevels[p.level[DT]]), QString::fromUtf8(kLevels[p.level[SE]]),
                     QString::fromUtf8(kLevels[p.level[WN]]), classId(p, SundaySchool),
                     kind == Kind::Members && home.careGroup >= 0 ? QVariant(m_groups[size_t(home.careGroup)].id)
                                                                  : QVariant(),
                     classId(p, Discipleship), classId(p, Wednesday), home.deacon ? QVariant(home.deacon) : QVariant(),
                     home.prospectStatus.isEmpty() ? QStringLiteral("InActive") : home.prospectStatus,
                     prospect ? QVariant(QString::fromUtf8(m_rng.of(kSources))) : QVariant(),
                     prospect ? prospectClass(p) : QVariant(),
                     prospect && home.careGroup >= 0 ? QVariant(m_groups[size_t(home.careGroup)].id) : QVariant(),
                     prospect && head ? QVariant(QStringLiteral("Met at church; glad to hear from us.")) : QVariant(),
                     nextPhase, nextDate, nextAction, nextType, p.envelope, !p.envelope.isEmpty(), stamp(p.added),
                     m_adminName});
        }
    }

    // The day the next step of the plan falls due for a prospect household.
    QDate nextContact(const Household& home) const
    {
        QDate day = home.firstContact;
        for (int s = 0; s < home.steps; ++s)
            day = day.addDays(7 * m_phases[size_t(s)].weeks);
        return day;
    }

    void addFamilyLinks()
    {
        QSqlQuery q = m_db.prepare(QStringLiteral("INSERT INTO Family_Connection (Member_ID, Relationship, "
                                                  "Relative_Member_ID) VALUES (?, ?, ?)"));
        for (const Household& home : m_households)
            for (int i = home.first + 1; i < home.first + home.count; ++i)
                exec(q, {idOf(home.first), QString::fromUtf8(m_people[size_t(i)].relation), idOf(i)});
    }

    void addResponsibilities()
    {
        const char* const names[][2] = {
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
        QSqlQuery list = m_db.prepare(QStringLiteral("INSERT INTO Responsibilities (Name, Description) VALUES (?, ?)"));
        for (const auto& r : names)
            exec(list, {QString::fromUtf8(r[0]), QString::fromUtf8(r[1])});

        QSqlQuery q = m_db.prepare(QStringLiteral("INSERT INTO Member_Responsibility (Member_ID, Responsibility, "
                                                  "\"Start\", \"End\") VALUES (?, ?, ?, ?)"));
        const int year = m_today.year();
        auto serve = [&](int person, const char* duty, int startYear, int years) {
            exec(q,
                 {idOf(person), QString::fromUtf8(duty), QDate(startYear, 1, 1), QDate(startYear + years - 1, 12, 31)});
        };
        serve(m_pastor, "Pastor", year - m_rng.between(0, m_options.years), 20);
        serve(m_secretary, "Church Secretary", year - m_rng.between(0, 8), 10);
        // Serving deacons hold a term that covers today; some served terms before.
        for (int d : m_deacons) {
            const int start = year - m_rng.between(0, 2);
            if (m_rng.chance(0.3))
                serve(d, "Deacon", start - 6, 3);
            serve(d, "Deacon", start, 3);
        }
        for (const SchoolClass& sc : m_classes)
            if (sc.kind == SundaySchool)
                for (int t : {sc.teacher, sc.assistant})
                    exec(q, {idOf(t), QStringLiteral("Sunday School Teacher"), QDate(year - m_rng.between(0, 5), 9, 1),
                             QDate(year, 12, 31)});
        const struct {
            const char* duty;
            int count;
        } others[] = {{"Treasurer", 1},
                      {"Sunday School Director", 1},
                      {"Choir Director", 1},
                      {"Pianist", 2},
                      {"Usher", std::max(1, m_options.people / 150)},
                      {"Nursery Worker", std::max(1, m_options.people / 300)}};
        for (const auto& other : others)
            for (int n = 0; n < other.count; ++n)
                serve(nextServant(18, 80), other.duty, year - m_rng.between(0, 4), m_rng.between(2, 6));
    }

    void addOrganizations()
    {
        QSqlQuery q =
            m_db.prepare(QStringLiteral("INSERT INTO Member_Organizations (MemberID, Organization) VALUES (?, ?)"));
        const QString choir = QStringLiteral("Choir"), youth = QStringLiteral("Youth Group");
        const QString women = QStringLiteral("Women's Ministry"), men = QStringLiteral("Men's Ministry");
        for (const Person& p : m_people) {
            if (!isActiveMember(p))
                continue;
            if (p.age >= 12 && p.age <= 17 && m_rng.chance(0.6))
                exec(q, {p.id, youth});
            if (p.age >= 16 && m_rng.chance(0.05))
                exec(q, {p.id, choir});
            if (p.age >= 18 && m_rng.chance(0.4))
                exec(q, {p.id, p.male ? men : women});
        }
    }

    // One contact per person of the household for each step taken; the last of a dropped one says why.
    void addProspectContacts()
    {
        QSqlQuery q = m_db.prepare(QStringLiteral("INSERT INTO Prospect_Contact (Prospect_ID, Contact_Date, Action, "
                                                  "Type, Visitor1, Visitor2, Rating, Notes) "
                                                  "VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
        for (const Household& home : m_households) {
            if (home.steps == 0)
                continue;
            const bool dropped = home.prospectStatus == QLatin1String("InActive");
            QDate day = home.firstContact;
            for (int step = 0; step < home.steps && day <= m_today; ++step) {
                const Phase& phase = m_phases[size_t(step)];
                const bool visit = phase.action == QLatin1String("Visit");
                const int first = m_rng.between(0, int(m_visitors.size()) - 1);
                QVariant visitor2;
                if (visit && m_visitors.size() > 1)
                    visitor2 = idOf(m_visitors[size_t((first + m_rng.between(1, int(m_visitors.size()) - 1)) %
                                                      int(m_visitors.size()))]);
                const bool last = step + 1 == home.steps;
                const QString rating = dropped && last                 ? QStringLiteral("Not Interested")
                                       : visit && m_rng.chance(0.25)   ? QStringLiteral("Not Home")
                                       : step > 0 && m_rng.chance(0.5) ? QStringLiteral("Very Interested")
                                                                       : QStringLiteral("Interested");
                const QString notes = rating == QLatin1String("Not Home") ? QStringLiteral("Left a card at the door.")
                                      : rating == QLatin1String("Not Interested")
                                          ? QStringLiteral("Asked us not to call again.")
                                          : QStringLiteral("%1 went well.").arg(contactType(phase.action));
                for (int i = home.first; i < home.first + home.count; ++i)
                    exec(q, {idOf(i), day, phase.action, contactType(phase.action), idOf(m_visitors[size_t(first)]),
                             visitor2, rating, notes});
                day = day.addDays(7 * phase.weeks);
            }
        }
    }

    // Millions of rows load faster into a table without indexes; they are built again afterwards, as laid out.
    QStringList dropIndexes(const QString& table)
    {
        QStringList indexes;
        for (Recordset rs = m_db.openRecordset(QStringLiteral("SELECT name, sql FROM sqlite_master WHERE type = "
                                                              "'index' AND tbl_name = ? AND sql IS NOT NULL"),
                                               {table});
             !rs.Eof(); rs.MoveNext()) {
            indexes << rs.Text(QStringLiteral("sql"));
            m_db.execute(QStringLiteral("DROP INDEX \"%1\"").arg(rs.Text(QStringLiteral("name"))));
        }
        return indexes;
    }

    // Week by week, as attendance entry writes it: a row for each person who came to anything that Sunday.
    void addAttendance()
    {
        const QStringList indexes = dropIndexes(QStringLiteral("AttendanceData"));
        addAttendanceRows();
        for (const QString& sql : indexes)
            m_db.execute(sql);
    }

    void addAttendanceRows()
    {
        QSqlQuery q = m_db.prepare(QStringLiteral("INSERT INTO AttendanceData (WeekOf, MemberID, SS, SL, RBD, WS, DT, "
                                                  "SE, WN) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        std::vector<int> attenders;
        for (int i = 0; i < int(m_people.size()); ++i) {
            const Person& p = m_people[size_t(i)];
            if (std::any_of(std::begin(p.attend), std::end(p.attend), [](int l) { return l < kNever; }))
                attenders.push_back(i);
        }
        std::vector<char> away(m_households.size());
        for (const QDate& week : m_sundays) {
            const QVariant weekOf = isoDate(week);
            for (char& a : away)
                a = m_rng.chance(0.08);
            for (int i : attenders) {
                const Person& p = m_people[size_t(i)];
                if (week < p.added || week > p.until || away[size_t(p.household)])
                    continue;
                auto attends = [&](Level l) { return m_rng.chance(kAttendChance[p.attend[l]]); };
                const bool ss = attends(SS);
                const bool sl = ss && p.age >= 6 && m_rng.chance(0.6);
                const bool rbd = ss && p.age >= 6 && m_rng.chance(0.4);
                const bool ws = attends(WS);
                const bool dt = p.cls[Discipleship] >= 0 && attends(DT);
                const bool se = attends(SE);
                const bool wn = p.cls[Wednesday] >= 0 && attends(WN);
                if (!(ss || sl || rbd || ws || dt || se || wn))
                    continue;
                q.bindValue(0, weekOf);
                q.bindValue(1, p.id);
                q.bindValue(2, int(ss));
                q.bindValue(3, int(sl));
                q.bindValue(4, int(rbd));
                q.bindValue(5, int(ws));
                q.bindValue(6, int(dt));
                q.bindValue(7, int(se));
                q.bindValue(8, int(wn));
                m_db.execute(q);
            }
        }
    }

    // Entered week by week: weekly or monthly givers by envelope, by cheque or in cash, mostly to the general
    // fund. This week's envelopes are not entered yet.
    void addContributions()
    {
        struct Giver {
            int person;
            int weekly;
            bool monthly;
            int cheque;
        };
        const int amounts[] = {10, 20, 25, 30, 40, 50, 60, 75, 100, 125, 150, 200, 300};
        std::vector<Giver> givers;
        for (int i : m_givers)
            givers.push_back(
                {i, m_rng.of(amounts), m_rng.chance(0.3), m_rng.chance(0.7) ? m_rng.between(1000, 9000) : 0});
        QSqlQuery q = m_db.prepare(QStringLiteral("INSERT INTO Member_Contributions (MemberID, ContributionDate, "
                                                  "EnvelopeNumber, Amount, RefNumber, Designation, UserName, "
                                                  "DateEntered) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
        const QString general = QStringLiteral("General Fund"), building = QStringLiteral("Building Fund"),
                      missions = QStringLiteral("Missions");
        for (size_t w = 0; w + 1 < m_sundays.size(); ++w) {
            const QDate& sunday = m_sundays[w];
            const QString entered =
                isoDate(sunday.addDays(1)) + QStringLiteral(" 10:%1:00").arg(w % 60, 2, 10, QLatin1Char('0'));
            auto gift = [&](Giver& g, double amount, const QString& designation) {
                const Person& p = m_people[size_t(g.person)];
                exec(q,
                     {p.id, sunday, p.envelope, amount, g.cheque ? QVariant(QString::number(g.cheque++)) : QVariant(),
                      designation, m_adminName, entered});
            };
            for (Giver& g : givers) {
                const Person& p = m_people[size_t(g.person)];
                if (sunday < p.added)
                    continue;
                if (g.monthly ? sunday.day() > 7 : !m_rng.chance(9.0 / 52))
                    continue;
                gift(g, g.monthly ? g.weekly * 4 : m_rng.chance(0.15) ? g.weekly * 1.5 : g.weekly, general);
                if (m_rng.chance(0.08))
                    gift(g, m_rng.between(2, 10) * 10, building);
                if (sunday.month() == 12 && sunday.day() <= 7 && m_rng.chance(0.5))
                    gift(g, m_rng.between(1, 8) * 25, missions);
            }
        }
    }

    // The office: the secretary holds the administrator account (made by the caller); a few members help with
    // entry, each with the rights their work needs.
    void addUsers()
    {
        QSqlQuery user = m_db.prepare(QStringLiteral("INSERT INTO User (Member_ID, DateEntered, Type, Username, "
                                                     "Password, Inactive) VALUES (?, ?, 'User', ?, ?, ?)"));
        QSqlQuery grant = m_db.prepare(QStringLiteral("INSERT INTO UserPermission (MemberID, PermissionID) "
                                                      "SELECT ?, ID FROM Permission WHERE Name = ?"));
        const char* const rights[] = {
            "Member View",          "Member Entry/Edit",           "Attendance Entry/Edit",    "Attendance Navigator",
            "Member Contributions", "Prospect Contact Entry/Edit", "Sunday School Roll Report"};
        const int helpers = std::min(4, std::max(0, m_options.people / 100));
        std::set<QString> names{m_adminName.toLower()};
        std::vector<int> office;
        for (int person : m_servants)
            if (person != m_secretary && int(office.size()) < helpers)
                office.push_back(person);
        for (int n = 0; n < int(office.size()); ++n) {
            const Person& p = m_people[size_t(office[size_t(n)])];
            QString name = (p.first.left(1) + p.last).toLower();
            if (names.count(name))
                name += QString::number(n + 1);
            names.insert(name);
            exec(user, {p.id, m_today.addDays(-m_rng.between(30, 2000)), name, Passwords::hash(m_password), n == 3});
            for (int r = 0; r < int(std::size(rights)) - (n % 2); ++r)
                exec(grant, {p.id, QString::fromUtf8(rights[r])});
        }
    }

    struct CareGroup {
        int leader, assistant, sundaySchool;
        qint64 id = 0;
    };

    Database& m_db;
    const BigChurch::Options m_options;
    Random m_rng;
    const QString m_adminName;
    const QString m_password;
    const QDate m_today;
    std::vector<QDate> m_sundays;
    QDate m_spanStart;
    qint64 m_firstId = 0;
    int m_phones = 0;
    std::vector<Phase> m_phases;
    std::vector<Household> m_households;
    std::vector<Person> m_people;
    std::vector<SchoolClass> m_classes;
    std::vector<CareGroup> m_groups;
    std::vector<int> m_servants;
    std::set<int> m_serving;
    std::vector<int> m_deacons;
    std::vector<int> m_visitors;
    std::vector<int> m_givers;
    int m_pastor = 0;
    int m_secretary = 0;
};

} // namespace

namespace BigChurch {

qint64 fill(Database& db, const Options& options, const QString& adminName, const QString& password)
{
    return Generator(db, options, adminName, password).run();
}

} // namespace BigChurch
