#include "KeyStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>

namespace KeyStore {

namespace {
QString& overridePath()
{
    static QString path;
    return path;
}
} // namespace

QString filePath()
{
    if (!overridePath().isEmpty())
        return overridePath();
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("keystore.ini"));
}

void setFilePath(const QString& path)
{
    overridePath() = path;
}

bool read(const QString& root, const QString& keyName, const QString& valueName, QString& value)
{
    value.clear();
    QSettings store(filePath(), QSettings::IniFormat);
    QString key = root + QLatin1Char('\\') + keyName;
    key.replace(QLatin1Char('\\'), QLatin1Char('/'));
    store.beginGroup(key);
    const QVariant stored = store.value(valueName);
    store.endGroup();
    if (!stored.isValid() || stored.typeId() != QMetaType::QString)
        return false;
    value = stored.toString();
    // A value stored with its terminating NUL yields the text without it.
    if (value.endsWith(QChar(0)))
        value.chop(1);
    return true;
}

} // namespace KeyStore
