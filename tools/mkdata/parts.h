// The parts of the data set, compiled in this order: later parts use the keys
// that earlier ones define (professions, statements, places...). Each part
// reads its sources under data/src/<part>/ and writes its runtime files.
#pragma once

#include "source.h"

namespace mkdata {

bool CompileProfessions(const Context& c);      // activida, profesio, fracortas, fralargas
bool CompileQuestionnaires(const Context& c);   // cualidad, interes, itinerar, cuestion, cuesgm, cuestio*
bool CompileFamilies(const Context& c);         // reqfp, certifica, certificah, fami_estad.txt
bool CompileVocational(const Context& c);       // familias, fp, fp2, fpba, asigna*, datfp*, lu1..lu4, datlug*
bool CompileUniversities(const Context& c);     // materiasp, carreran, carrenue, carreranb, datgrados/datcarn, lugar, comuint, dobles, grados.txt
bool CompileOtherStudies(const Context& c);     // otros, asignaot, master.txt, artesplas, musica, danza, dramatico

}  // namespace mkdata
