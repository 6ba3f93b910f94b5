// The one lifetime object of textcore: module start-up in dependency order when the library is
// loaded, clean-up in reverse order when it is unloaded. Every other static in the library is
// trivially initialised, so nothing here depends on the order in which the linker placed files.
#include "platform/textcore_lifetime.h"

namespace textcore {

namespace {

struct TextcoreLifetime {
  TextcoreLifetime() {
    // Start-up calls of the modules go here, lowest layer first.
    StartFormatSettings();
    StartColours();
    StartWdef();
    StartJuliandateroutines();
    StartLogging();
    StartMykpsmall();
    StartWingenok();
    StartMyunicodenew();
  }
  ~TextcoreLifetime() {
    // Clean-up calls go here, in the reverse order of start-up.
    FinishMyunicodenew();
    FinishWingenok();
    FinishMykpsmall();
    FinishLogging();
    ResetUIServices();
  }
};

TextcoreLifetime the_lifetime;

} // namespace

} // namespace textcore
