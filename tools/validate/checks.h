// The checks of each part of the data set, in the order they run. A part
// whose files have not been written yet reports them missing.
#pragma once

#include "checker.h"

namespace validate {

void CheckShell(Checker& c);           // clave24, puntos3, shared pictures, textos, informa_l, materias_l, cursespe
void CheckGeography(Checker& c);       // comunida, comarcas, comarcasm
void CheckProfessions(Checker& c);     // activida, profesio, fracortas, fralargas
void CheckQuestionnaires(Checker& c);  // cualidad, interes, itinerar, cuestion, cuesgm, cuestiocua, cuestioint, cuestioESO
void CheckFamilies(Checker& c);        // reqfp, certifica, certificah, fami_estad.txt
void CheckVocational(Checker& c);      // familias, fp, fp2, fpba, asigna*, datfpsphp, datfpmphp, lu1..lu4, datlug*
void CheckUniversities(Checker& c);    // materiasp, carreran, carrenue, carreranb, datgradosphp, datcarnphp, lugar, comuint, dobles, grados.txt
void CheckOtherStudies(Checker& c);    // otros, asignaot, master.txt, artesplas, musica, danza, dramatico

}  // namespace validate
