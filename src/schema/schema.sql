-- Kov database, schema version 1.
-- Text compares without regard to case (COLLATE NOCASE); dates are ISO text; Yes/No columns hold 0 or 1;
-- AUTOINCREMENT keys are never handed out twice.

CREATE TABLE Kov_Info (
    Name  TEXT PRIMARY KEY COLLATE NOCASE,
    Value TEXT COLLATE NOCASE
);

-- People ---------------------------------------------------------------------------------------------------

CREATE TABLE Member (
    ID                                      INTEGER PRIMARY KEY AUTOINCREMENT,
    Status                                  TEXT COLLATE NOCASE,
    First_Name                              TEXT COLLATE NOCASE,
    Middle_Name                             TEXT COLLATE NOCASE,
    Last_Name                               TEXT COLLATE NOCASE,
    Title                                   TEXT COLLATE NOCASE,
    Address_1                               TEXT COLLATE NOCASE,
    Address_2                               TEXT COLLATE NOCASE,
    City                                    TEXT COLLATE NOCASE,
    State                                   TEXT COLLATE NOCASE,
    Zip                                     TEXT COLLATE NOCASE,
    Phone                                   TEXT COLLATE NOCASE,
    Cell                                    TEXT COLLATE NOCASE,
    Work_Phone                              TEXT COLLATE NOCASE,
    Email                                   TEXT COLLATE NOCASE,
    Picture                                 TEXT COLLATE NOCASE,
    Place_Of_Work                           TEXT COLLATE NOCASE,
    Occupation                              TEXT COLLATE NOCASE,
    Date_Of_Birth                           TEXT,
    Gender                                  TEXT COLLATE NOCASE,
    Marital_Status                          TEXT COLLATE NOCASE,
    Anniversary_Date                        TEXT,
    Head_Of_Household                       INTEGER NOT NULL DEFAULT 0,
    Map_Section                             TEXT COLLATE NOCASE,
    Hobbies                                 TEXT COLLATE NOCASE,
    Organizations                           TEXT COLLATE NOCASE,
    Notes                                   TEXT COLLATE NOCASE,
    Member_Active_Status                    TEXT COLLATE NOCASE,
    Member_Since                            TEXT,
    Came_Forward                            TEXT,
    Baptized                                TEXT,
    Letter_Out                              TEXT,
    Deceased_Date                           TEXT,
    Previous_Church                         TEXT COLLATE NOCASE,
    Receive_Newsletter_Via_Mail             INTEGER NOT NULL DEFAULT 0,
    Receive_Newsletter_Via_EMail            INTEGER NOT NULL DEFAULT 0,
    Sunday_School_Attendance_Level          TEXT COLLATE NOCASE,
    Worship_Service_Attendance_Level        TEXT COLLATE NOCASE,
    Discipleship_Training_Attendance_Level  TEXT COLLATE NOCASE,
    Sunday_Evening_Service_Attendance_Level TEXT COLLATE NOCASE,
    Wednesday_Night_Attendance_Level        TEXT COLLATE NOCASE,
    Sunday_School_Class                     INTEGER,
    Care_Group_Assigned                     INTEGER,
    Discipleship_Training_Class             INTEGER,
    Wednesday_Night_Class                   INTEGER,
    DeaconID                                INTEGER,
    Prospect_Active_Status                  TEXT COLLATE NOCASE,
    Prospect_Source                         TEXT COLLATE NOCASE,
    Prospect_Sunday_School_Class_Assigned   INTEGER,
    Prospect_Care_Group_Assigned            INTEGER,
    Prospect_Note                           TEXT COLLATE NOCASE,
    Prospect_Member_Of                      TEXT COLLATE NOCASE,
    Prospect_Phase                          TEXT COLLATE NOCASE,
    Prospect_Next_Contact_Date              TEXT,
    Prospect_Next_Contact_Action            TEXT COLLATE NOCASE,
    Prospect_Next_Contact_Type              TEXT COLLATE NOCASE,
    Envelope                                TEXT COLLATE NOCASE DEFAULT '',
    ShowInContributionList                  INTEGER NOT NULL DEFAULT 0,
    Date_Added                              TEXT,
    Added_By                                TEXT COLLATE NOCASE,
    Date_Edited                             TEXT,
    Edited_By                               TEXT COLLATE NOCASE
);
CREATE INDEX Member_Name ON Member (Last_Name, First_Name, Middle_Name);
CREATE INDEX Member_FirstName ON Member (First_Name);
CREATE INDEX Member_Status ON Member (Status);
CREATE INDEX Member_Envelope ON Member (Envelope);
CREATE INDEX Member_SundaySchoolClass ON Member (Sunday_School_Class);
CREATE INDEX Member_CareGroup ON Member (Care_Group_Assigned);
CREATE INDEX Member_DiscipleshipClass ON Member (Discipleship_Training_Class);
CREATE INDEX Member_WednesdayClass ON Member (Wednesday_Night_Class);
CREATE INDEX Member_Deacon ON Member (DeaconID);
CREATE INDEX Member_ProspectClass ON Member (Prospect_Sunday_School_Class_Assigned);
CREATE INDEX Member_ProspectCareGroup ON Member (Prospect_Care_Group_Assigned);
CREATE INDEX Member_NextContact ON Member (Prospect_Next_Contact_Date);

-- Exactly these three columns in this order: rows are inserted by position.
CREATE TABLE Family_Connection (
    Member_ID          INTEGER,
    Relationship       TEXT COLLATE NOCASE,
    Relative_Member_ID INTEGER
);
CREATE UNIQUE INDEX Family_Connection_Pair ON Family_Connection (Member_ID, Relative_Member_ID);
CREATE INDEX Family_Connection_Relative ON Family_Connection (Relative_Member_ID);

-- Classes and groups -----------------------------------------------------------------------------------------

CREATE TABLE Sunday_School (
    ID           INTEGER PRIMARY KEY AUTOINCREMENT,
    Name         TEXT COLLATE NOCASE,
    Description  TEXT COLLATE NOCASE,
    Teacher      INTEGER,
    Asst_Teacher INTEGER,
    Location     TEXT COLLATE NOCASE,
    Notes        TEXT COLLATE NOCASE
);
CREATE INDEX Sunday_School_Name ON Sunday_School (Name);

CREATE TABLE Discipleship_Training (
    ID           INTEGER PRIMARY KEY AUTOINCREMENT,
    Name         TEXT COLLATE NOCASE,
    Description  TEXT COLLATE NOCASE,
    Teacher      INTEGER,
    Asst_Teacher INTEGER,
    Location     TEXT COLLATE NOCASE,
    Notes        TEXT COLLATE NOCASE
);
CREATE INDEX Discipleship_Training_Name ON Discipleship_Training (Name);

CREATE TABLE Wednesday_Night (
    ID           INTEGER PRIMARY KEY AUTOINCREMENT,
    Name         TEXT COLLATE NOCASE,
    Description  TEXT COLLATE NOCASE,
    Teacher      INTEGER,
    Asst_Teacher INTEGER,
    Location     TEXT COLLATE NOCASE,
    Notes        TEXT COLLATE NOCASE
);
CREATE INDEX Wednesday_Night_Name ON Wednesday_Night (Name);

CREATE TABLE Care_Group (
    ID                  INTEGER PRIMARY KEY AUTOINCREMENT,
    Group_Leader        INTEGER,
    Asst_Group_Leader   INTEGER,
    Sunday_School_Class INTEGER,
    Notes               TEXT COLLATE NOCASE
);
CREATE INDEX Care_Group_Leader ON Care_Group (Group_Leader);

-- Responsibilities -------------------------------------------------------------------------------------------

CREATE TABLE Responsibilities (
    Name        TEXT COLLATE NOCASE NOT NULL,
    Description TEXT COLLATE NOCASE
);
CREATE UNIQUE INDEX Responsibilities_Name ON Responsibilities (Name);

-- Exactly these four columns in this order; a row is known by all four values.
CREATE TABLE Member_Responsibility (
    Member_ID      INTEGER,
    Responsibility TEXT COLLATE NOCASE,
    "Start"        TEXT,
    "End"          TEXT
);
CREATE INDEX Member_Responsibility_Member ON Member_Responsibility (Member_ID);
CREATE INDEX Member_Responsibility_Name ON Member_Responsibility (Responsibility);

-- Organizations ----------------------------------------------------------------------------------------------

CREATE TABLE Church_Organizations (
    ID   INTEGER PRIMARY KEY AUTOINCREMENT,
    Name TEXT COLLATE NOCASE
);
CREATE UNIQUE INDEX Church_Organizations_Name ON Church_Organizations (Name COLLATE BINARY);

CREATE TABLE Member_Organizations (
    MemberID     INTEGER,
    Organization TEXT COLLATE NOCASE
);
CREATE INDEX Member_Organizations_Member ON Member_Organizations (MemberID);
CREATE INDEX Member_Organizations_Name ON Member_Organizations (Organization);

-- Attendance and giving --------------------------------------------------------------------------------------

-- Exactly these ten columns in this order: a query pairs Member.* with AttendanceData.*.
CREATE TABLE AttendanceData (
    ID       INTEGER PRIMARY KEY AUTOINCREMENT,
    WeekOf   TEXT,
    MemberID INTEGER,
    SS       INTEGER NOT NULL DEFAULT 0,
    SL       INTEGER NOT NULL DEFAULT 0,
    RBD      INTEGER NOT NULL DEFAULT 0,
    WS       INTEGER NOT NULL DEFAULT 0,
    DT       INTEGER NOT NULL DEFAULT 0,
    SE       INTEGER NOT NULL DEFAULT 0,
    WN       INTEGER NOT NULL DEFAULT 0
);
CREATE UNIQUE INDEX AttendanceData_MemberWeek ON AttendanceData (MemberID, WeekOf);
CREATE INDEX AttendanceData_Week ON AttendanceData (WeekOf);

CREATE TABLE Member_Contributions (
    ID               INTEGER PRIMARY KEY AUTOINCREMENT,
    MemberID         INTEGER,
    ContributionDate TEXT,
    EnvelopeNumber   TEXT COLLATE NOCASE,
    Amount           REAL,
    RefNumber        TEXT COLLATE NOCASE,
    Designation      TEXT COLLATE NOCASE,
    UserName         TEXT COLLATE NOCASE,
    DateEntered      TEXT
);
CREATE INDEX Member_Contributions_MemberDate ON Member_Contributions (MemberID, ContributionDate);
CREATE INDEX Member_Contributions_Date ON Member_Contributions (ContributionDate);

-- Prospects --------------------------------------------------------------------------------------------------

CREATE TABLE Prospect_Contact (
    ID           INTEGER PRIMARY KEY AUTOINCREMENT,
    Prospect_ID  INTEGER,
    Contact_Date TEXT,
    Action       TEXT COLLATE NOCASE,
    Type         TEXT COLLATE NOCASE,
    Visitor1     INTEGER,
    Visitor2     INTEGER,
    Rating       TEXT COLLATE NOCASE,
    Notes        TEXT COLLATE NOCASE
);
CREATE INDEX Prospect_Contact_ProspectDate ON Prospect_Contact (Prospect_ID, Contact_Date);
CREATE INDEX Prospect_Contact_Date ON Prospect_Contact (Contact_Date);
CREATE INDEX Prospect_Contact_Visitor1 ON Prospect_Contact (Visitor1);
CREATE INDEX Prospect_Contact_Visitor2 ON Prospect_Contact (Visitor2);

-- Exactly these four columns in this order: rows are inserted by position.
CREATE TABLE Outreach_Phase (
    PhaseOrder REAL,
    Phase      TEXT COLLATE NOCASE,
    Action     TEXT COLLATE NOCASE,
    TimePeriod REAL
);
CREATE INDEX Outreach_Phase_Order ON Outreach_Phase (PhaseOrder);

-- Settings and security --------------------------------------------------------------------------------------

CREATE TABLE Church (
    Name          TEXT COLLATE NOCASE,
    Address1      TEXT COLLATE NOCASE,
    Address2      TEXT COLLATE NOCASE,
    City          TEXT COLLATE NOCASE,
    State         TEXT COLLATE NOCASE,
    Zip           TEXT COLLATE NOCASE,
    Phone         TEXT COLLATE NOCASE,
    Fax           TEXT COLLATE NOCASE,
    Email         TEXT COLLATE NOCASE,
    Website       TEXT COLLATE NOCASE,
    KeyPressDelay REAL
);

-- One account per person; log-in names are unique whatever their letter case.
CREATE TABLE "User" (
    Member_ID   INTEGER PRIMARY KEY,
    DateEntered TEXT,
    Type        TEXT COLLATE NOCASE,
    Username    TEXT COLLATE NOCASE,
    Password    TEXT COLLATE BINARY,
    Inactive    INTEGER NOT NULL DEFAULT 0
);
CREATE UNIQUE INDEX User_Username ON "User" (Username);

CREATE TABLE Permission (
    ID   INTEGER PRIMARY KEY AUTOINCREMENT,
    Name TEXT COLLATE NOCASE
);
CREATE UNIQUE INDEX Permission_Name ON Permission (Name COLLATE BINARY);

CREATE TABLE UserPermission (
    ID           INTEGER PRIMARY KEY AUTOINCREMENT,
    MemberID     INTEGER,
    PermissionID INTEGER
);
CREATE INDEX UserPermission_Grant ON UserPermission (MemberID, PermissionID);

-- Lookup lists: the values of an editable list differ at least in letter case --------------------------------

CREATE TABLE Titles (Title TEXT COLLATE NOCASE);
CREATE UNIQUE INDEX Titles_Value ON Titles (Title COLLATE BINARY);

CREATE TABLE Relationships (Relationships TEXT COLLATE NOCASE);
CREATE UNIQUE INDEX Relationships_Value ON Relationships (Relationships COLLATE BINARY);

CREATE TABLE AttendanceLevels (Levels TEXT COLLATE NOCASE);
CREATE UNIQUE INDEX AttendanceLevels_Value ON AttendanceLevels (Levels COLLATE BINARY);

CREATE TABLE Prospect_Action (Action TEXT COLLATE NOCASE);
CREATE UNIQUE INDEX Prospect_Action_Value ON Prospect_Action (Action COLLATE BINARY);

CREATE TABLE Prospect_Contact_Rating (Rating TEXT COLLATE NOCASE);
CREATE UNIQUE INDEX Prospect_Contact_Rating_Value ON Prospect_Contact_Rating (Rating COLLATE BINARY);

CREATE TABLE ContributionDesignation (
    ID   INTEGER PRIMARY KEY AUTOINCREMENT,
    Name TEXT COLLATE NOCASE
);
CREATE UNIQUE INDEX ContributionDesignation_Name ON ContributionDesignation (Name COLLATE BINARY);

CREATE TABLE State (State TEXT COLLATE NOCASE);
CREATE UNIQUE INDEX State_Value ON State (State COLLATE BINARY);

CREATE TABLE ChurchStatus (Status TEXT COLLATE NOCASE);
CREATE UNIQUE INDEX ChurchStatus_Value ON ChurchStatus (Status COLLATE BINARY);

CREATE TABLE MemberStatus (Status TEXT COLLATE NOCASE);
CREATE UNIQUE INDEX MemberStatus_Value ON MemberStatus (Status COLLATE BINARY);

CREATE TABLE ProspectStatus (Status TEXT COLLATE NOCASE);
CREATE UNIQUE INDEX ProspectStatus_Value ON ProspectStatus (Status COLLATE BINARY);

CREATE TABLE UserType (Name TEXT COLLATE NOCASE);
CREATE UNIQUE INDEX UserType_Value ON UserType (Name COLLATE BINARY);
