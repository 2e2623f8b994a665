#include "KillingVfs.h"

#include <csignal>
#include <sqlite3.h>

namespace {

sqlite3_vfs* g_real = nullptr;
sqlite3_vfs g_vfs;
sqlite3_io_methods g_methods;
bool g_armed = false;
int g_changes = 0;
int g_killAfter = 0;

void changed()
{
    if (!g_armed)
        return;
    ++g_changes;
    if (g_killAfter > 0 && g_changes == g_killAfter)
        std::raise(SIGKILL);
}

// Our file wraps the real layer's file, which lives right behind it.
struct File {
    sqlite3_file base;
    sqlite3_file* real;
};

sqlite3_file* real(sqlite3_file* file)
{
    return reinterpret_cast<File*>(file)->real;
}

int fileClose(sqlite3_file* f)
{
    return real(f)->pMethods->xClose(real(f));
}

int fileRead(sqlite3_file* f, void* buffer, int amount, sqlite3_int64 offset)
{
    return real(f)->pMethods->xRead(real(f), buffer, amount, offset);
}

int fileWrite(sqlite3_file* f, const void* buffer, int amount, sqlite3_int64 offset)
{
    const int rc = real(f)->pMethods->xWrite(real(f), buffer, amount, offset);
    changed();
    return rc;
}

int fileTruncate(sqlite3_file* f, sqlite3_int64 size)
{
    const int rc = real(f)->pMethods->xTruncate(real(f), size);
    changed();
    return rc;
}

int fileSync(sqlite3_file* f, int flags)
{
    const int rc = real(f)->pMethods->xSync(real(f), flags);
    changed();
    return rc;
}

int fileSize(sqlite3_file* f, sqlite3_int64* size)
{
    return real(f)->pMethods->xFileSize(real(f), size);
}

int fileLock(sqlite3_file* f, int level)
{
    return real(f)->pMethods->xLock(real(f), level);
}

int fileUnlock(sqlite3_file* f, int level)
{
    return real(f)->pMethods->xUnlock(real(f), level);
}

int fileCheckReservedLock(sqlite3_file* f, int* reserved)
{
    return real(f)->pMethods->xCheckReservedLock(real(f), reserved);
}

int fileControl(sqlite3_file* f, int op, void* arg)
{
    return real(f)->pMethods->xFileControl(real(f), op, arg);
}

int fileSectorSize(sqlite3_file* f)
{
    return real(f)->pMethods->xSectorSize(real(f));
}

int fileDeviceCharacteristics(sqlite3_file* f)
{
    return real(f)->pMethods->xDeviceCharacteristics(real(f));
}

int fileShmMap(sqlite3_file* f, int region, int size, int extend, void volatile** memory)
{
    return real(f)->pMethods->xShmMap(real(f), region, size, extend, memory);
}

int fileShmLock(sqlite3_file* f, int offset, int n, int flags)
{
    return real(f)->pMethods->xShmLock(real(f), offset, n, flags);
}

void fileShmBarrier(sqlite3_file* f)
{
    real(f)->pMethods->xShmBarrier(real(f));
}

int fileShmUnmap(sqlite3_file* f, int deleteFlag)
{
    return real(f)->pMethods->xShmUnmap(real(f), deleteFlag);
}

int fileFetch(sqlite3_file* f, sqlite3_int64 offset, int amount, void** pages)
{
    return real(f)->pMethods->xFetch(real(f), offset, amount, pages);
}

int fileUnfetch(sqlite3_file* f, sqlite3_int64 offset, void* page)
{
    return real(f)->pMethods->xUnfetch(real(f), offset, page);
}

int vfsOpen(sqlite3_vfs*, const char* name, sqlite3_file* f, int flags, int* outFlags)
{
    auto* file = reinterpret_cast<File*>(f);
    file->real = reinterpret_cast<sqlite3_file*>(file + 1);
    file->real->pMethods = nullptr;
    const int rc = g_real->xOpen(g_real, name, file->real, flags, outFlags);
    file->base.pMethods = file->real->pMethods ? &g_methods : nullptr;
    return rc;
}

int vfsDelete(sqlite3_vfs*, const char* name, int syncDirectory)
{
    const int rc = g_real->xDelete(g_real, name, syncDirectory);
    changed();
    return rc;
}

} // namespace

namespace KillingVfs {

void install(int killAfter)
{
    g_killAfter = killAfter;
    g_real = sqlite3_vfs_find(nullptr);
    // The other entries (paths, access, time, randomness) are the real layer's own.
    g_vfs = *g_real;
    g_vfs.zName = "kov-killing";
    g_vfs.szOsFile = static_cast<int>(sizeof(File)) + g_real->szOsFile;
    g_vfs.xOpen = vfsOpen;
    g_vfs.xDelete = vfsDelete;
    g_methods = {3,
                 fileClose,
                 fileRead,
                 fileWrite,
                 fileTruncate,
                 fileSync,
                 fileSize,
                 fileLock,
                 fileUnlock,
                 fileCheckReservedLock,
                 fileControl,
                 fileSectorSize,
                 fileDeviceCharacteristics,
                 fileShmMap,
                 fileShmLock,
                 fileShmBarrier,
                 fileShmUnmap,
                 fileFetch,
                 fileUnfetch};
    sqlite3_vfs_register(&g_vfs, 1);
}

void arm(bool armed)
{
    g_armed = armed;
}

int changes()
{
    return g_changes;
}

} // namespace KillingVfs
