#include "MainMod.h"

namespace MainMod {

bool LoadChurchInfo()
{
    Recordset rs = MainDatabase.openRecordset(QStringLiteral("SELECT * FROM Church LIMIT 1"));
    if (rs.Eof() || rs.Bof()) {
        rs.Close();
        if (NoChurchRow)
            NoChurchRow();
        return false;
    }
    // A Null column (a row made outside the program) loads as empty text or 0.
    ChurchName = rs.Text(QStringLiteral("Name"));
    ChurchAddress1 = rs.Text(QStringLiteral("Address1"));
    ChurchAddress2 = rs.Text(QStringLiteral("Address2"));
    ChurchCity = rs.Text(QStringLiteral("City"));
    ChurchState = rs.Text(QStringLiteral("State"));
    ChurchZip = rs.Text(QStringLiteral("Zip"));
    ChurchPhone = rs.Text(QStringLiteral("Phone"));
    ChurchFax = rs.Text(QStringLiteral("Fax"));
    ChurchEmail = rs.Text(QStringLiteral("Email"));
    ChurchWebsite = rs.Text(QStringLiteral("Website"));
    KeyPressDelay = rs.Field(QStringLiteral("KeyPressDelay")).toDouble();
    rs.Close();
    return true;
}

} // namespace MainMod
