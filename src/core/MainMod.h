#pragma once

#include "platform/Database.h"

#include <QString>
#include <QStringList>
#include <functional>

// The program's shared state and procedures: settings, the database connection, the logged-in user.
namespace MainMod {

// The one database connection, open from start-up to exit.
inline Database MainDatabase;

// From config.txt, read once at start-up.
inline QString DatabasePath;
inline QString PictureFolder;
inline QString AttendanceShowSS;
inline QString AttendanceShowSL;
inline QString AttendanceShowRBD;
inline QString AttendanceShowWS;
inline QString AttendanceShowDT;
inline QString AttendanceShowSE;
inline QString AttendanceShowWN;

// From the Church row.
inline QString ChurchName;
inline QString ChurchAddress1;
inline QString ChurchAddress2;
inline QString ChurchCity;
inline QString ChurchState;
inline QString ChurchZip;
inline QString ChurchPhone;
inline QString ChurchFax;
inline QString ChurchEmail;
inline QString ChurchWebsite;
inline double KeyPressDelay = 0; // seconds of pause after which type-ahead starts a new prefix

// The logged-in user; a failed log-in leaves them as they were.
inline qint64 CurrentUserID = 0;
inline QString CurrentUsername;
inline QString CurrentUserType;

// The database password every Kov database carries.
inline const QString DatabasePassword = QStringLiteral("QDT");

// Reads config.txt from the program's folder (or the given file). Throws StartupError naming the file.
void ReadConfig();
void ReadConfig(const QString& configPath);
// The items of a settings text, as the settings reader splits them.
QStringList ConfigItems(const QString& text);
// The settings file beside the program (tests may point it elsewhere).
QString ConfigFilePath();
void SetConfigFilePath(const QString& path);

// Opens DatabasePath into MainDatabase. Throws DbError with a message naming the file.
void ConnectDatabase();

// Loads the first Church row into the church globals. With no row it leaves them as they are, runs the
// NoChurchRow hook (start-up opens the church screen through it) and returns false.
bool LoadChurchInfo();
inline std::function<void()> NoChurchRow;

bool FileExists(const QString& fileName);
QString PadRight(const QString& text, int width);

} // namespace MainMod
