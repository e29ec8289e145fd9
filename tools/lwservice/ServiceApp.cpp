#include "ServiceApp.h"

#include "AccountService.h"
#include "AccountStore.h"
#include "AnalyticsService.h"
#include "CrashService.h"
#include "Database.h"
#include "FaultInjector.h"
#include "FeedbackService.h"
#include "FileStore.h"
#include "FilesService.h"
#include "HttpServer.h"
#include "MaterialSeeder.h"
#include "MaterialsService.h"
#include "PagesService.h"
#include "PhoneService.h"
#include "PublishingService.h"
#include "Router.h"
#include "ServerConfig.h"
#include "UpdateService.h"
#include "UpdateSigner.h"

ServiceApp::ServiceApp(const QString &dataDir, const QHostAddress &address, quint16 port, const QString &updateKeyPath)
    : m_dataDir(dataDir)
    , m_updateKeyPath(updateKeyPath)
    , m_address(address)
    , m_port(port)
{
}

ServiceApp::~ServiceApp() = default;

bool ServiceApp::start(QString *error)
{
    m_config = std::make_unique<ServerConfig>(m_dataDir);
    m_files = std::make_unique<FileStore>(m_dataDir, m_config.get());
    if (!m_files->prepare()) {
        *error = QStringLiteral("cannot create the data folder %1 or restrict it to its owner").arg(m_dataDir);
        return false;
    }
    m_updateKey = std::make_unique<UpdateSigner>(m_dataDir, m_updateKeyPath);
    if (!m_updateKey->prepare(error))
        return false;
    qInfo("update offers are signed; the public key is in %s", qUtf8Printable(m_updateKey->publicKeyPath()));
    m_db = std::make_unique<Database>(m_dataDir + QStringLiteral("/lwservice.sqlite"));
    if (!m_db->open()) {
        *error = QStringLiteral("cannot open the database in %1").arg(m_dataDir);
        return false;
    }
    m_accounts = std::make_unique<AccountStore>(m_db.get());
    m_faults = std::make_unique<FaultInjector>(m_config.get());
    m_router = std::make_unique<Router>();
    if (!seed(error))
        return false;
    registerRoutes();
    HttpServer::Limits limits;
    limits.spoolDir = m_files->spoolDir();
    m_server = std::make_unique<HttpServer>(m_router.get(), m_faults.get(), limits);
    if (!m_server->listen(m_address, m_port)) {
        *error = QStringLiteral("cannot listen on %1:%2: %3").arg(m_address.toString()).arg(m_port).arg(m_server->errorString());
        return false;
    }
    return true;
}

bool ServiceApp::seed(QString *error)
{
    const ServiceContext context{m_db.get(), m_files.get(), m_accounts.get(), m_config.get(), m_updateKey.get()};
    if (!m_config->seedDefaults()) {
        *error = QStringLiteral("cannot write %1").arg(m_config->path());
        return false;
    }
    if (!m_accounts->seedDemoAccount()) {
        *error = QStringLiteral("cannot create the demo account");
        return false;
    }
    if (!MaterialSeeder(context).seedIfEmpty()) {
        *error = QStringLiteral("cannot create the material catalogue");
        return false;
    }
    if (!UpdateService(context).seedIfMissing()) {
        *error = QStringLiteral("cannot create the placeholder update");
        return false;
    }
    return true;
}

void ServiceApp::registerRoutes()
{
    const ServiceContext context{m_db.get(), m_files.get(), m_accounts.get(), m_config.get(), m_updateKey.get()};
    m_accountService = std::make_unique<AccountService>(context);
    m_publishingService = std::make_unique<PublishingService>(context);
    m_pagesService = std::make_unique<PagesService>(context);
    m_phoneService = std::make_unique<PhoneService>(context);
    m_materialsService = std::make_unique<MaterialsService>(context);
    m_updateService = std::make_unique<UpdateService>(context);
    m_feedbackService = std::make_unique<FeedbackService>(context);
    m_analyticsService = std::make_unique<AnalyticsService>(context);
    m_crashService = std::make_unique<CrashService>(context);
    m_filesService = std::make_unique<FilesService>(context);
    m_accountService->registerRoutes(*m_router);
    m_publishingService->registerRoutes(*m_router);
    m_pagesService->registerRoutes(*m_router);
    m_phoneService->registerRoutes(*m_router);
    m_materialsService->registerRoutes(*m_router);
    m_updateService->registerRoutes(*m_router);
    m_feedbackService->registerRoutes(*m_router);
    m_analyticsService->registerRoutes(*m_router);
    m_crashService->registerRoutes(*m_router);
    m_filesService->registerRoutes(*m_router);
}

QHostAddress ServiceApp::address() const
{
    return m_server ? m_server->address() : m_address;
}

quint16 ServiceApp::port() const
{
    return m_server ? m_server->port() : m_port;
}
