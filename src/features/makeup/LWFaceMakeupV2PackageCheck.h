#pragma once

// The package checks of the face makeup: makeup.json and its key point file
// are there, every frame a filter counts is in its folder, and the textures
// the engine needs in a fixed size have it.
namespace LWFaceMakeupV2PackageCheck {

// Adds the checks to the package check once; later calls do nothing.
void registerChecks();

} // namespace LWFaceMakeupV2PackageCheck
