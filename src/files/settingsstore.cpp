#include "files/settingsstore.h"

#include "files/portfilelocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cmath>

#include <QSettings>

#ifdef _WIN32
#include <windows.h>
#endif

namespace settings {

namespace {
const char KeyName[] = "K-204";
const char ValueName[] = "BinaryValue";

// The text the store's query gives: a binary value's first two bytes as a signed 16-bit little-endian number.
QString storedText(const QVariant &stored) {
    if (!stored.isValid() || stored.isNull())
        return {};
    if (stored.typeId() == QMetaType::QByteArray) {
        const QByteArray b = stored.toByteArray();
        if (b.isEmpty())
            return {};
        const int low = std::uint8_t(b[0]);
        const int high = b.size() > 1 ? std::uint8_t(b[1]) : 0;
        return QString::number(std::int16_t(std::uint16_t(low | (high << 8))));
    }
    return stored.toString();
}
} // namespace

int languageFromStoredValue(const QVariant &stored) {
    const QString text = storedText(stored).trimmed();
    if (text.isEmpty())
        return 0;
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) > 2147483647.0)
        return 0;
    // The last hexadecimal digit of the number (two's complement for negatives); A..F fail, 2..9 are not
    // languages: both give 0.
    const auto n = static_cast<std::int32_t>(std::nearbyint(value));
    return (std::uint32_t(n) & 0xF) == 1 ? 1 : 0;
}

QByteArray storedLanguageValue(int languageIndex) {
    QByteArray value(4, '\0');
    value[0] = char(std::uint8_t(languageIndex));
    return value;
}

#ifdef _WIN32
int readLanguage() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, KeyName, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return 0;
    DWORD type = 0;
    DWORD size = 0;
    QVariant stored;
    if (RegQueryValueExA(key, ValueName, nullptr, &type, nullptr, &size) == ERROR_SUCCESS && size > 0) {
        QByteArray buffer(int(size), '\0');
        if (RegQueryValueExA(key, ValueName, nullptr, &type, reinterpret_cast<BYTE *>(buffer.data()),
                             &size) == ERROR_SUCCESS) {
            if (type == REG_BINARY)
                stored = buffer;
            else if (type == REG_SZ)
                stored = QString::fromLocal8Bit(buffer.constData()); // up to the first zero character
        }
    }
    RegCloseKey(key);
    return languageFromStoredValue(stored);
}

void writeLanguage(int languageIndex) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, KeyName, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    const QByteArray value = storedLanguageValue(languageIndex);
    RegSetValueExA(key, ValueName, 0, REG_BINARY, reinterpret_cast<const BYTE *>(value.constData()),
                   DWORD(value.size()));
    RegCloseKey(key);
}
#else
namespace {
constexpr qint64 StoreSizeLimit = 1 << 20; // the store holds one value; anything larger is not ours

// A store file that exists but is not a regular file of sensible size is neither read nor written: QSettings
// would wait forever on a pipe, or read a device without end.
bool storeUsable() {
    const QFileInfo info(languageStoreFilePath());
    return !info.exists() || (info.isFile() && info.size() <= StoreSizeLimit);
}
} // namespace

// QSettings reads its file as soon as it is made, so the file's place is asked of a store with another name;
// it lies in the same folder (~/.config unless XDG_CONFIG_HOME or QSettings::setPath say otherwise).
QString languageStoreFilePath() {
    const QSettings probe(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("K-204-location"));
    return QFileInfo(probe.fileName()).dir().filePath(QString::fromLatin1(KeyName) + QStringLiteral(".conf"));
}

// Per-user store: ~/.config/K-204.conf, value "BinaryValue".
int readLanguage() {
    if (!storeUsable())
        return 0;
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QString::fromLatin1(KeyName));
    return languageFromStoredValue(store.value(QString::fromLatin1(ValueName)));
}

void writeLanguage(int languageIndex) {
    if (!storeUsable())
        return;
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QString::fromLatin1(KeyName));
    store.setValue(QString::fromLatin1(ValueName), storedLanguageValue(languageIndex));
    store.sync();
}
#endif

namespace {
const char ProgramStore[] = "ORLEX-K7";
const char VerifyValue[] = "verifyAfterWriting";
} // namespace

bool readVerifyAfterWriting() {
    const QSettings store(QSettings::IniFormat, QSettings::UserScope, QString::fromLatin1(ProgramStore),
                          QString::fromLatin1(ProgramStore));
    return store.value(QString::fromLatin1(VerifyValue), false).toBool();
}

void writeVerifyAfterWriting(bool on) {
    QSettings store(QSettings::IniFormat, QSettings::UserScope, QString::fromLatin1(ProgramStore),
                          QString::fromLatin1(ProgramStore));
    store.setValue(QString::fromLatin1(VerifyValue), on);
    store.sync();
}

namespace {
// The port file is read and written only when it is a regular file (or absent): a pipe would block.
bool portFileUsable(const QString &path) {
    const QFileInfo info(path);
    return !info.exists() || info.isFile();
}
} // namespace

int readPortNumber(const QString &path) {
    if (!portFileUsable(path))
        return 0;
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) // creates an empty file when absent
        return 0;
    char byte = 0;
    if (file.read(&byte, 1) != 1)
        return 0;
    return std::uint8_t(byte);
}

bool writePortNumber(const QString &path, int portNumber) {
    if (portNumber < 0 || portNumber > 255 || !portFileUsable(path))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) // no truncation: bytes after the first are kept
        return false;
    const char byte = char(std::uint8_t(portNumber));
    return file.seek(0) && file.write(&byte, 1) == 1 && file.flush();
}

QString defaultPortFilePath() {
    return carryOverPortFile(
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation),
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("parameter")));
}

} // namespace settings
