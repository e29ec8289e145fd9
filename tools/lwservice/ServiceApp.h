#pragma once

#include <QHostAddress>
#include <QString>

#include <memory>

class AccountService;
class AccountStore;
class AnalyticsService;
class CrashService;
class Database;
class FaultInjector;
class FeedbackService;
class FileStore;
class FilesService;
class HttpServer;
class MaterialsService;
class PagesService;
class PhoneService;
class PublishingService;
class Router;
class ServerConfig;
class UpdateService;
class UpdateSigner;

// Puts the service together: store, seed data, service areas, routes and
// the listening server.
class ServiceApp
{
public:
    // updateKeyPath: the secret key file that signs update offers; empty
    // for the data folder's own pair.
    ServiceApp(const QString &dataDir, const QHostAddress &address, quint16 port,
               const QString &updateKeyPath = QString());
    ~ServiceApp();

    bool start(QString *error);
    QHostAddress address() const;
    quint16 port() const;

private:
    bool seed(QString *error);
    void registerRoutes();

    QString m_dataDir;
    QString m_updateKeyPath;
    QHostAddress m_address;
    quint16 m_port;

    // All owned; declared in the order they depend on each other.
    std::unique_ptr<ServerConfig> m_config;
    std::unique_ptr<Database> m_db;
    std::unique_ptr<FileStore> m_files;
    std::unique_ptr<UpdateSigner> m_updateKey;
    std::unique_ptr<AccountStore> m_accounts;
    std::unique_ptr<FaultInjector> m_faults;
    std::unique_ptr<Router> m_router;
    std::unique_ptr<AccountService> m_accountService;
    std::unique_ptr<PublishingService> m_publishingService;
    std::unique_ptr<PagesService> m_pagesService;
    std::unique_ptr<PhoneService> m_phoneService;
    std::unique_ptr<MaterialsService> m_materialsService;
    std::unique_ptr<UpdateService> m_updateService;
    std::unique_ptr<FeedbackService> m_feedbackService;
    std::unique_ptr<AnalyticsService> m_analyticsService;
    std::unique_ptr<CrashService> m_crashService;
    std::unique_ptr<FilesService> m_filesService;
    std::unique_ptr<HttpServer> m_server;
};
