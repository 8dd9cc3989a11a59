#include "store/rules_document.h"

namespace qm {

RulesDocument Rules;

}  // namespace qm
