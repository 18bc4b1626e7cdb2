// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/teacher_pin.h"

#include "base/resource_folder.h"
#include "base/user_settings.h"
#include "content/generale_keys.h"
#include "content/ini_file.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringList>

#include <algorithm>

namespace quorvia {

namespace {

const QString kMethod = QStringLiteral("sha256");
constexpr int kSaltBytes = 16;
constexpr const char* kUserSection = "AREA_INSEGNANTE";

QByteArray digest(const QByteArray& salt, const QString& pin)
{
    return QCryptographicHash::hash(salt + pin.toUtf8(), QCryptographicHash::Sha256);
}

struct Parts {
    QByteArray salt;
    QByteArray hash;
};

bool split(const QString& stored, Parts& parts)
{
    const QStringList fields = stored.trimmed().split(QLatin1Char(':'));
    if (fields.size() != 3 || fields[0].compare(kMethod, Qt::CaseInsensitive) != 0)
        return false;
    const auto isHex = [](const QString& text) {
        return !text.isEmpty() && text.size() % 2 == 0 &&
               std::all_of(text.begin(), text.end(), [](QChar c) {
                   const char16_t u = c.unicode();
                   return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
               });
    };
    if (!isHex(fields[1]) || !isHex(fields[2]))
        return false;
    parts.salt = QByteArray::fromHex(fields[1].toLatin1());
    parts.hash = QByteArray::fromHex(fields[2].toLatin1());
    return parts.hash.size() == 32;
}

}  // namespace

QString hashPin(const QString& pin)
{
    QByteArray salt(kSaltBytes, '\0');
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(salt.data()), kSaltBytes / 4);
    return kMethod + QLatin1Char(':') + QString::fromLatin1(salt.toHex()) + QLatin1Char(':') +
           QString::fromLatin1(digest(salt, pin).toHex());
}

bool isPinHash(const QString& stored)
{
    Parts parts;
    return split(stored, parts);
}

bool pinMatches(const QString& stored, const QString& pin)
{
    Parts parts;
    if (!split(stored, parts))
        return false;
    // Every byte compared, so the time taken says nothing of the PIN.
    const QByteArray typed = digest(parts.salt, pin);
    unsigned char difference = 0;
    for (int i = 0; i < typed.size(); ++i)
        difference |= static_cast<unsigned char>(typed[i] ^ parts.hash[i]);
    return difference == 0;
}

QString userPinFile()
{
    return userSettingsFile(QStringLiteral("INSEGNANTE.INI"));
}

PinInForce pinInForce(const QString& resourceFolder)
{
    const QString generale = resourceFile(resourceFolder, QString::fromLatin1(generale::kFileName));
    if (!generale.isEmpty()) {
        const IniFile ini = IniFile::read(generale.toStdString());
        const std::string value = generale::read(ini, generale::kTeacherPin);
        if (!value.empty())
            return {QString::fromStdString(value), PinPlace::Generale};
    }
    const QString user = userPinFile();
    if (!user.isEmpty() && QFileInfo::exists(user)) {
        const IniFile ini = IniFile::read(user.toStdString());
        const std::string value = ini.readString(kUserSection, generale::kTeacherPin.name, "");
        if (!value.empty())
            return {QString::fromStdString(value), PinPlace::User};
    }
    return {};
}

QString storeUserPin(const QString& hash)
{
    const QString path = userPinFile();
    if (path.isEmpty())
        return QStringLiteral("il sistema non indica una cartella per le impostazioni dell'utente.");
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return QStringLiteral("non si può creare la cartella %1.").arg(QFileInfo(path).absolutePath());
    IniFile ini;
    std::string error;
    if (!IniFile::load(path.toStdString(), ini, &error))
        return QString::fromStdString(error);
    ini.writeString(kUserSection, generale::kTeacherPin.name, hash.toStdString());
    if (!ini.save(path.toStdString(), &error))
        return QString::fromStdString(error);
    return QString();
}

}  // namespace quorvia
