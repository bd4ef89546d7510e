#include "SkinLint.h"
#include "SkinSource.h"
#include "ToolCommands.h"

namespace tornivex::skintool {

int RunCheckCommand(const QStringList& args, QTextStream& out, QTextStream&) {
    ExpectArguments(args, 1, 1, "one SKIN");
    const OpenedSkin skin = OpenSkin(args[0]);
    int errors = 0, warnings = 0;
    for (const SkinProblem& p : CheckSkin(skin)) {
        (p.IsError ? errors : warnings) += 1;
        out << ProblemLine(p) << "\n";
    }
    out << skin.Name << ": " << errors << (errors == 1 ? " error, " : " errors, ") << warnings
        << (warnings == 1 ? " warning\n" : " warnings\n");
    return errors == 0 ? ExitDone : ExitFailed;
}

} // namespace tornivex::skintool
