// Opens the project named on the command line and saves it over and over,
// growing it each round, until it is killed.
#include "LWTestFeature.h"
#include "common/LWResources.h"
#include "common/LWSettings.h"
#include "workspace/LWEffectModel.h"
#include "workspace/LWEffectPackManager.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QTextStream>

int main(int argc, char **argv)
{
    LWSettings::applyIdentity();
    QCoreApplication app(argc, argv);
    lwInitResources();
    LWTestFeature::registerKinds();
    auto *manager = LWEffectPackManager::instance();
    manager->openProj(app.arguments().value(1));
    if (!manager->effect())
        return 2;
    QJsonArray bulk;
    for (int i = 0; i < 20000; ++i)
        bulk.append(QStringLiteral("frame_%1.png").arg(i));
    for (int round = 0;; ++round) {
        manager->effect()->createFeature(LWEffectCommon::LWFeatureType2DSticker, {}, false);
        manager->effect()->featureAt(0)->contentJson().insert(QStringLiteral("bulk"), bulk);
        manager->saveProj();
        if (round == 0)
            QTextStream(stdout) << "ready" << Qt::endl;
    }
}
