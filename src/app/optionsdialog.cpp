#include "app/scrivletapp.h"

namespace scrivlet {

void TScrivletApp::CmOptions() {}

} // namespace scrivlet
