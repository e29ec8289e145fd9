#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

// Whether an update offer may be trusted: its installer's SHA-256 digest
// signed (Ed25519) by the one key whose public half the editor is built
// with, and an address that no one on the way can answer for.
namespace LWUpdateSignature {

// The raw 32-byte public key built in.
QByteArray builtInPublicKey();

// signature: the 64 raw bytes; sha256: the 32 raw bytes of the digest.
bool verifies(const QByteArray &sha256, const QByteArray &signature);
bool verifies(const QByteArray &sha256, const QByteArray &signature, const QByteArray &publicKey);

// The offer's base64 text as 64 bytes; empty when it is not a signature.
QByteArray decode(const QString &base64);

// https anywhere; plain http only on this machine (127.0.0.0/8, [::1],
// "localhost"), where nothing between can change the bytes.
bool isTrustedDownloadAddress(const QUrl &url);

} // namespace LWUpdateSignature
