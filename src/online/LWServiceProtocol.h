#pragma once

#include <QString>
#include <QtGlobal>

// The wire protocol shared by the editor's online classes and the reference
// service (tools/lwservice). Both sides compile this one file, so a change
// of mask, digest or path cannot drift between them. QtCore only.
namespace LWServiceProtocol {

// ---- Result codes in the "status_code" field of every JSON reply --------
constexpr int kStatusOk = 0;
constexpr int kStatusBadRequest = 1000;     // a field is missing or malformed
constexpr int kStatusBadCredentials = 1001; // unknown account or wrong password
constexpr int kStatusLocked = 1002;         // too many failed sign-ins, try later
constexpr int kStatusNotSignedIn = 1003;    // no valid session; message "未登录"
constexpr int kStatusTakenOver = 1004;      // the account signed in on another client
constexpr int kStatusNotFound = 1005;
constexpr int kStatusTooLarge = 1006;
constexpr int kStatusForbidden = 1007;      // wrong application key, not from this machine
constexpr int kStatusServerError = 1008;

// The message of a not-signed-in reply; the upload client looks for it.
QString notSignedInMessage();

// ---- Limits both sides enforce ------------------------------------------
constexpr qint64 kPackageLimit = 5 * 1024 * 1024; // effect package, bytes
constexpr qint64 kIconLimit = 40960;              // effect icon, bytes

// ---- Headers, cookies and fixed values ----------------------------------
constexpr char kUserAgentHeader[] = "User-Agent";
constexpr char kUserAgent[] = "Brightfold";
constexpr char kContentTypeHeader[] = "Content-Type";
constexpr char kFormContentType[] = "application/x-www-form-urlencoded";
constexpr char kJsonContentType[] = "application/json";
constexpr char kContentIdHeader[] = "Content-ID";
constexpr char kContentIdValue[] = "lumeWorks";
constexpr char kSessionCookie[] = "gs_session"; // publishing site and normal sign-in
constexpr char kSsoCookie[] = "gs_sso";         // enterprise single sign-on
constexpr char kDevicePlatform[] = "Windows";
constexpr char kClientType[] = "studio";
constexpr char kFeedbackAppName[] = "lumeworks";
constexpr char kFeedbackAppKey[] = "a7c3e19f5d2b4068";
constexpr int kAnalyticsAppId = 176524;

// ---- Paths --------------------------------------------------------------
// The account and enterprise services answer under this prefix; the editor's
// configured base address for both ends with it.
constexpr char kAccountPrefix[] = "/effect/";
constexpr char kPathLogin[] = "api/user/login";   // relative to the account prefix
constexpr char kPathUserInfo[] = "api/user/info"; // relative to the account prefix
constexpr char kPathLogout[] = "api/user/logout"; // relative to the account prefix
constexpr char kPathPublicUserInfo[] = "/api/user/info";
constexpr char kPathSubmit[] = "/api/effect/submit";
constexpr char kPathPreview[] = "/api/effect/preview";
constexpr char kPathIconUpload[] = "/api/effect/upload";
constexpr char kPathPreviousEffects[] = "/api/effect/previousEffects";
constexpr char kPathPageUpload[] = "/api/effect/uploadEffect";
constexpr char kPathMaterials[] = "/api/material/preview";
constexpr char kPathUpdate[] = "/api/studio/downloadNew";
constexpr char kPathFeedbackList[] = "/feedback/2/list/";
constexpr char kPathFeedbackPost[] = "/feedback/1/post_message/";
constexpr char kPathImageUpload[] = "/2/data/upload_image/";
constexpr char kPathAnalytics[] = "/v1/json";
constexpr char kPathCrashUpload[] = "/api/crash/upload";
constexpr char kPathPhoneUpload[] = "/upload";
constexpr char kPathSiteLogin[] = "/site/studio/login";
constexpr char kPathSiteUpload[] = "/site/studio/upload";
constexpr char kPathSiteEffects[] = "/site/effects";
constexpr char kPathSiteTutorial[] = "/site/tutorial";
constexpr char kPathSsoSite[] = "/effect/site/";

// ---- Device identifier --------------------------------------------------
// Upper-case hexadecimal MD5 of the lower-cased hardware address text; empty
// when there is no address. The caller finds the address (QtNetwork).
QString deviceIdFromHardwareAddress(const QString &hardwareAddress);

// A device identifier as the service accepts it: empty, or up to 64
// hexadecimal digits. Normalised to upper case.
bool isValidDeviceId(const QString &deviceId);

// ---- Scrambling ---------------------------------------------------------
// The password (and the "random" value) travel as the hexadecimal text of
// their UTF-8 bytes, each combined with a one-byte mask. This only keeps the
// text out of casual logs; it is not encryption.
constexpr unsigned char kMask = 0x5A;
QString maskText(const QString &clear);
// Returns false for text that is not an even run of hexadecimal digits or
// does not unmask to UTF-8.
bool unmaskText(const QString &masked, QString *clear);

// "random": a number from 1 to 100, masked like the password.
QString makeRandom(int value);
int randomValue(const QString &random); // 0 when malformed or out of range

// ---- Request token ------------------------------------------------------
// "<milliseconds>.<md5 hex of '<milliseconds>.<device id>'>": fresh for each
// request and bound to the device it names.
QString makeToken(qint64 msecsSinceEpoch, const QString &deviceId);
bool tokenMatchesDevice(const QString &token, const QString &deviceId);

// ---- Access token -------------------------------------------------------
// The service answers a successful sign-in or check with
// sha256 hex of "<token>:<device id>:glowsmith-access"; the client compares
// it, ignoring case, with its own computation to know that the reply
// answers the request it sent.
QString accessToken(const QString &token, const QString &deviceId);
bool accessTokenMatches(const QString &reply, const QString &token, const QString &deviceId);

} // namespace LWServiceProtocol
