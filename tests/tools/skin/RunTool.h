#pragma once
// Runs `tornivex-skin` in-process and keeps what it printed.
#include "ToolCommands.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace tornivex::testing {

struct ToolRun {
    int Code = -1;
    QString Out, Err;
};

inline ToolRun RunTool(const QStringList& args) {
    ToolRun run;
    QTextStream out(&run.Out), err(&run.Err);
    run.Code = skintool::RunSkinTool(args, out, err);
    out.flush();
    err.flush();
    return run;
}

} // namespace tornivex::testing
