#include "validator.h"

#include "checks.h"

namespace validate {

std::vector<Problem> ValidateFolder(const std::string& dataDir) {
  Checker c(dataDir);
  CheckShell(c);
  CheckGeography(c);
  CheckProfessions(c);
  CheckQuestionnaires(c);
  CheckFamilies(c);
  CheckVocational(c);
  CheckUniversities(c);
  CheckOtherStudies(c);
  return c.TakeProblems();
}

std::string Format(const Problem& p) {
  return p.line > 0 ? p.file + ":" + std::to_string(p.line) + ": " + p.text : p.file + ": " + p.text;
}

}  // namespace validate
