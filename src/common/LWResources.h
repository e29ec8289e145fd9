#pragma once

// Registers the resources compiled into the core library (documents,
// profiles, assets, translations, the helper program). The library is
// static, so the linker would otherwise drop their initialisers. Safe to
// call more than once.
void lwInitResources();
