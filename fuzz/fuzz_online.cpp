// Replies of the online services, handed to the handlers the network layer
// calls: sign-in and account checks, uploads, the earlier-effect list, the
// material catalogue, the update offer and feedback. The first input line
// names the handler and the HTTP status ("materials 200"); the rest is the
// body. Every request the handlers start goes to a closed local port.
#include "LWFuzzSupport.h"
#include "common/LWDataPaths.h"
#include "online/LWCheckUpdateWindowModel.h"
#include "online/LWFeedBackModel.h"
#include "online/LWFeedBackUploadImage.h"
#include "online/LWMaterialsOnLine.h"
#include "online/LWNormalLogin.h"
#include "online/LWPreviousEffectsRequest.h"
#include "online/LWPublicPhoneLogin.h"
#include "online/LWSSOLogin.h"
#include "online/LWUploadEffectChoiceModel.h"
#include "online/LWUploadEffectFile.h"
#include "online/LWUploadEffectIcon.h"

#include <QNetworkProxy>
#include <functional>
#include <memory>

namespace {

// The handler is protected; a pointer to it, formed in a derived class,
// calls it on any request object.
struct HandlerAccess : LWQTHttpBase
{
    static auto handler() { return &HandlerAccess::replyHandler; }
};

void reply(LWQTHttpBase *target, const QByteArray &body, int status)
{
    if (target)
        (target->*HandlerAccess::handler())(body, status);
}

template <typename T>
void replyTo(const QByteArray &body, int status)
{
    std::unique_ptr<T> target(new T);
    reply(target.get(), body, status);
    LWFuzz::drain();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    LWFuzz::init(argc, argv);
    // Nothing a reply names may be fetched from anywhere.
    QNetworkProxy::setApplicationProxy(QNetworkProxy(QNetworkProxy::HttpProxy, QStringLiteral("127.0.0.1"), 9));
    LWFuzz::writeFile(LWDataPaths::dataFolder() + QStringLiteral("/services.json"),
                      R"({"account":"http://127.0.0.1:9","sso":"http://127.0.0.1:9","publish":"http://127.0.0.1:9",)"
                      R"("materials":"http://127.0.0.1:9","feedback":"http://127.0.0.1:9","update":"http://127.0.0.1:9",)"
                      R"("analytics":"http://127.0.0.1:9","crash":"http://127.0.0.1:9"})");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = LWFuzz::bytes(data, size);
    const int lineEnd = input.indexOf('\n');
    if (lineEnd < 0)
        return 0;
    const QList<QByteArray> head = input.left(lineEnd).split(' ');
    const QByteArray kind = head.value(0);
    const int status = head.size() > 1 ? head.at(1).toInt() : 200;
    const QByteArray body = input.mid(lineEnd + 1);

    static const QHash<QByteArray, std::function<void(const QByteArray &, int)>> handlers{
        {"login", replyTo<LWNormalLogin>},
        {"sso", replyTo<LWSSOLogin>},
        {"phone", replyTo<LWPublicPhoneLogin>},
        {"upload", replyTo<LWUploadEffectFile>},
        {"icon", replyTo<LWUploadEffectIcon>},
        {"materials", replyTo<LWMaterialsOnLine>},
        {"update", replyTo<LWCheckUpdateWindowModel>},
        {"feedback", replyTo<LWFeedBackModel>},
        {"feedbackimage", replyTo<LWFeedBackUploadImage>},
        {"choice",
         [](const QByteArray &body, int status) {
             LWUploadEffectChoiceModel model;
             reply(model.findChild<LWPreviousEffectsRequest *>(), body, status);
             LWFuzz::drain();
         }},
    };
    const auto handler = handlers.constFind(kind);
    if (handler != handlers.constEnd())
        handler.value()(body, status);
    return 0;
}
