#pragma once

#include <QByteArray>
#include <QString>

// Stored passwords: PBKDF2-HMAC-SHA256 over a random salt. The iteration
// count is stored with each hash so it can be raised without a migration.
namespace PasswordHash {

constexpr int kIterations = 50000;

QByteArray newSalt();
QByteArray derive(const QString &password, const QByteArray &salt, int iterations);

// Compares without stopping at the first difference, so the time taken
// tells nothing about how much of a secret was right.
bool equalConstantTime(const QByteArray &a, const QByteArray &b);

} // namespace PasswordHash
