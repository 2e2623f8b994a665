#include "MainMod.h"

namespace MainMod {

void ConnectDatabase()
{
    MainDatabase.open(DatabasePath, DatabasePassword);
}

} // namespace MainMod
