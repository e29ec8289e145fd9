#pragma once

#include "LWQTHttpBase.h"

#include <QString>

// Sends a screenshot to the image service and waits for the reference the
// message then carries ("data.web_uri").
class LWFeedBackUploadImage : public QObject
{
    Q_OBJECT
public:
    static constexpr int kTimeLimitMs = 15000;
    static constexpr qint64 kMaxImageBytes = 8 * 1024 * 1024;

    explicit LWFeedBackUploadImage(QObject *parent = nullptr);

    // The reference of the stored screenshot; empty when the file is not a
    // PNG or JPEG picture of acceptable size, or the upload failed.
    QString upload(const QString &imagePath);

private:
    LWQTHttpBase m_http; // owned
};
