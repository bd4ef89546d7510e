#include "ToolCommands.h"

#include "InternalSkins.h"
#include "SkinPackage.h"

namespace tornivex::skintool {

int RunListCommand(const QStringList& args, QTextStream& out, QTextStream&) {
    ExpectArguments(args, 0, 0, "no arguments");
    for (const InternalSkinPackage& skin : InternalSkinPackages())
        out << skin.Name.leftJustified(24) << QString::number(skin.Data.size()).rightJustified(8)
            << " bytes\n";
    return ExitDone;
}

} // namespace tornivex::skintool
