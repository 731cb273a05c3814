// materiasp, carreran, carrenue, carreranb, datgradosphp, datcarnphp, lugar, comuint, dobles, grados.txt, from data/src/universities/.
#include "parts.h"

namespace mkdata {

// Written with the sources of these files.
bool CompileUniversities(const Context&) { return true; }

}  // namespace mkdata
