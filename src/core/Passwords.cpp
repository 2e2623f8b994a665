#include "Passwords.h"

#include <QCryptographicHash>
#include <QPasswordDigestor>
#include <QRandomGenerator>
#include <QStringList>

namespace Passwords {

namespace {
const QString kTag = QStringLiteral("pbkdf2-sha256");
constexpr int kIterations = 20000;
constexpr int kKeyLength = 32;

QByteArray normalized(const QString& password)
{
    return password.trimmed().toCaseFolded().toUtf8();
}

QByteArray derive(const QString& password, const QByteArray& salt, int iterations)
{
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, normalized(password), salt, iterations,
                                              kKeyLength);
}
} // namespace

QString hash(const QString& password)
{
    QByteArray salt(16, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(salt.data()), salt.size() / 4);
    return QStringLiteral("%1$%2$%3$%4")
        .arg(kTag)
        .arg(kIterations)
        .arg(QString::fromLatin1(salt.toHex()), QString::fromLatin1(derive(password, salt, kIterations).toHex()));
}

bool isHashed(const QString& stored)
{
    return stored.startsWith(kTag + QLatin1Char('$'));
}

bool matches(const QString& typed, const QString& stored)
{
    if (!isHashed(stored))
        return QString::fromUtf8(normalized(typed)) == QString::fromUtf8(normalized(stored));
    const QStringList parts = stored.split(QLatin1Char('$'));
    if (parts.size() != 4)
        return false;
    bool ok = false;
    const int iterations = parts.at(1).toInt(&ok);
    if (!ok || iterations <= 0)
        return false;
    const QByteArray salt = QByteArray::fromHex(parts.at(2).toLatin1());
    const QByteArray expected = QByteArray::fromHex(parts.at(3).toLatin1());
    return derive(typed, salt, iterations) == expected;
}

} // namespace Passwords
