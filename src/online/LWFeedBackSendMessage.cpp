#include "LWFeedBackSendMessage.h"

#include "LWServiceProtocol.h"

#include <QDebug>
#include <QHttpMultiPart>
#include <QUrl>

namespace {

void appendText(QHttpMultiPart *form, const char *name, const QString &value)
{
    QHttpPart part;
    part.setRawHeader("Content-Disposition", QByteArray("form-data; name=\"") + name + '"');
    part.setBody(value.toUtf8());
    form->append(part);
}

QHttpMultiPart *buildForm(const LWFeedBackSendMessage::Message &message)
{
    auto *form = new QHttpMultiPart(QHttpMultiPart::FormDataType);
    if (!message.package.isEmpty()) {
        QHttpPart part;
        part.setRawHeader("Content-Disposition",
                          "form-data; name=\"file\"; fileName=\"effectPack.zip\"; mimeType=\"zip\"");
        part.setRawHeader(LWServiceProtocol::kContentIdHeader, LWServiceProtocol::kContentIdValue);
        part.setBody(message.package);
        form->append(part);
    }
    if (!message.imageReference.isEmpty())
        appendText(form, "image_uri", message.imageReference);
    appendText(form, "content", message.content);
    appendText(form, "contact", message.contact);
    return form;
}

} // namespace

LWFeedBackSendMessage::LWFeedBackSendMessage(Done done, QObject *parent)
    : LWQTHttpBase(parent)
    , m_done(std::move(done))
{
    setIdleLimit(kIdleLimitMs);
}

void LWFeedBackSendMessage::send(const QUrl &url, const Message &message)
{
    postAsync(url, buildForm(message));
}

void LWFeedBackSendMessage::replyHandler(const QByteArray &body, int status)
{
    if (status != 200)
        qWarning() << "feedback not delivered, status" << status << body.left(200);
    if (m_done)
        m_done(status == 200);
}
