#pragma once

#include <QList>
#include <QNetworkCookie>
#include <QObject>

class LWNetworkcookieJar;

// The sign-in as the editor's web views (upload page, effects page, the
// web sign-in windows) hold it: the cookie store of their one web profile.
// The editor's own sign-in is shared with that store, the store's content is
// followed as it changes, and a sign-out empties it, so the editor and its
// web views are always signed in as the same account.
class LWWebSession : public QObject
{
    Q_OBJECT
public:
    static LWWebSession *instance();
    explicit LWWebSession(QObject *parent = nullptr);

    // The web profile, once the first web view has made it: its store is
    // followed from now on and receives what was shared before it existed.
    void attachProfile(QObject *profile);
    // Whether the store is followed (its module loaded for a live profile).
    bool isLive() const { return m_live; }
    // The store's cookies as it holds them now; its file on disk is written
    // whenever the web engine gets round to it. Empty until live.
    QList<QNetworkCookie> cookies() const;
    // The session shared before any web view made the store.
    QList<QNetworkCookie> pendingCookies() const { return m_pending; }

    // A sign-in made by the editor itself: the cookies its service set go
    // into the store, at once or when the first web view makes the profile.
    void shareSignIn(const QList<QNetworkCookie> &cookies);
    // Signs the web views out: the store is emptied, live and on disk, and
    // nothing shared earlier waits for a profile any more.
    void signOut();

private:
    QObject *m_profile = nullptr;      // not owned (the bridge model's)
    LWNetworkcookieJar *m_cookies;     // owned (QObject child): the live store's copy
    QList<QNetworkCookie> m_pending;   // shared before a profile existed
    bool m_live = false;
};
