#include "documents/mdichild.h"

namespace scrivlet {

void TMDIScrivletChild::CmBrowserView() {}

} // namespace scrivlet
