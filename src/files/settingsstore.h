#pragma once
// The two settings kept between runs: the interface language (per-user settings store, key "K-204", value
// "BinaryValue") and the serial port number (byte 0 of the file "parameter" in the user's configuration
// folder).

#include <QByteArray>
#include <QString>
#include <QVariant>

namespace settings {

// The language index from the stored value: a 4-byte binary value (first two bytes as a signed 16-bit
// little-endian number) or a text; the last hexadecimal digit of the number is the index. An absent value,
// a failed conversion, and digits 2..9 give 0.
int languageFromStoredValue(const QVariant &stored);
// The 4-byte binary value written at shutdown: the index, then three zero bytes.
QByteArray storedLanguageValue(int languageIndex);

// Read and write through the platform's per-user store (QSettings on Linux, the registry on Windows). A store
// file that is not a regular file of at most 1 MiB is left alone: the start value 0 is read, nothing written.
int readLanguage();
void writeLanguage(int languageIndex);
#ifndef _WIN32
// The per-user store's file.
QString languageStoreFilePath();
#endif

// Programming > Verify After Writing: off unless it was switched on; kept in the program's own per-user
// settings file, shared with the recent files (~/.config/ORLEX-K7/ORLEX-K7.conf on Linux).
bool readVerifyAfterWriting();
void writeVerifyAfterWriting(bool on);

// The port file: created empty when absent; byte 0 is the port number (0 when the file is empty, cannot be
// opened or is not a regular file). Writing rewrites only byte 0 and keeps any further bytes; returns false
// on failure.
int readPortNumber(const QString &path);
bool writePortNumber(const QString &path, int portNumber);
// "parameter" in the user's configuration folder (~/.config/ORLEX-K7 on Linux); a "parameter" beside the
// executable is carried over once (portfilelocation.h).
QString defaultPortFilePath();

} // namespace settings
