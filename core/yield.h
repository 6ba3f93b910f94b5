// The host's yield hook, which long loops call once per round so that the host can keep its
// windows alive and let the user press Stop.
//
// AYieldProcessProc() is the process-wide hook (unassigned at load, cleared at unload); the host
// assigns it. A loop that must not yield saves it, empties it, runs, and puts it back. It is
// reached through a function because a global std::function would need a static constructor.
#pragma once

#include "core/procedural_types.h"

namespace textcore {

TYieldProcessProc &AYieldProcessProc();

// Calls the hook if one is assigned; nothing else.
void MyYieldProcess();

} // namespace textcore
