#include "ToolCommands.h"

#include "InternalSkins.h"
#include "SkinPackage.h"

namespace tornivex::skintool {

int RunListCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    if (!args.isEmpty()) {
        err << ToolCommands()[0].Usage;
        return ExitUsage;
    }
    for (const InternalSkinPackage& skin : InternalSkinPackages())
        out << skin.Name.leftJustified(24) << QString::number(skin.Data.size()).rightJustified(8)
            << " bytes\n";
    return ExitDone;
}

} // namespace tornivex::skintool
