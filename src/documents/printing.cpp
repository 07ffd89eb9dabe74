#include <QPrinter>

#include "documents/mdichild.h"

namespace scrivlet {

void TMDIScrivletChild::CmFilePrint() {}
void TMDIScrivletChild::CmFilePrintSetup() {}
void TMDIScrivletChild::CmPrintEnable(TCommandEnabler& tce) { tce.Enable(false); }

} // namespace scrivlet
