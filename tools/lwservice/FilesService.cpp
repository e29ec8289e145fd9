#include "FilesService.h"

#include "FileStore.h"
#include "HttpRequest.h"
#include "Replies.h"
#include "Router.h"

#include <QFileInfo>

FilesService::FilesService(const ServiceContext &context)
    : m_context(context)
{
}

void FilesService::registerRoutes(Router &router)
{
    router.add("GET", QStringLiteral("/files/*"), [this](const HttpRequest &r) { return serve(r); });
}

HttpResponse FilesService::serve(const HttpRequest &request)
{
    const QStringList parts = request.path.mid(int(qstrlen("/files/"))).split(QLatin1Char('/'));
    if (parts.size() != 2 || !FileStore::isPublicArea(parts.at(0)) || !FileStore::isSafeName(parts.at(1)))
        return Replies::notFound();
    const QString path = m_context.files->publicPath(parts.at(0), parts.at(1));
    const QFileInfo info(path);
    if (!info.isFile() || info.isSymLink())
        return Replies::notFound();
    return HttpResponse::file(path, HttpResponse::contentTypeFor(parts.at(1)));
}
