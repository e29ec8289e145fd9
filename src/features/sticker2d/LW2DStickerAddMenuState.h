#pragma once

#include <QString>

// Whether the author is adding a 2D sticker from the effect tree's add
// menu. The menu marks that in the main window controller's
// "lwCustomPropertyMap" (its "state" entry) for as long as the creation
// runs. The controller lives in the application layer; this reaches the map
// through the controller's published property by name, so the feature needs
// no application header.
namespace LW2DStickerAddMenuState {

QString beginState();
// True while the map's "state" is beginState().
bool isAddingFromMenu();

} // namespace LW2DStickerAddMenuState
