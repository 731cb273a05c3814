// Checks of cualidad, interes, itinerar, cuestion, cuesgm, cuestiocua, cuestioint, cuestioESO.
#include "checks.h"

namespace validate {

// Written with the sources of these files.
void CheckQuestionnaires(Checker&) {}

}  // namespace validate
