#pragma once

#include <QString>

// What a resource's inspector model answers for the texture choices of the
// inspector: whether the resource meets a size constraint
// (LWEffectCommon::LWConstraintType), and the text to show when it does not.
class LWResouceControlModel
{
public:
    virtual ~LWResouceControlModel();

    // *error gets the translated text, or stays empty where there is none
    // (a missing image, an unknown constraint).
    virtual bool qualify(int constraint, QString *error) const = 0;

protected:
    // The size rules on one image, read from its header.
    static bool qualifyImage(const QString &imagePath, int constraint, QString *error);
};
