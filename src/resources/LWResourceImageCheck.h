#pragma once

#include <QString>

// The rules that decide whether an image fits: the 8-bit PNG check done
// before an import and the texture size constraints of the inspector's
// texture choices. Both read image headers only.
namespace LWResourceImageCheck {

// False for a PNG file whose header gives a bit depth of 16 or 32. Files
// that are not named ".png" pass, as do files too short to have a header
// and files that are not PNG data at all whatever their name says.
bool passesEightBitCheck(const QString &filePath);

// Whether the image meets the constraint (LWEffectCommon::LWConstraintType).
// The size comes from the image header. On failure *error gets the
// translated text for the author, or stays empty where there is none (an
// unknown constraint, a missing file).
bool checkTextureConstraint(const QString &imagePath, int constraint, QString *error);

} // namespace LWResourceImageCheck
