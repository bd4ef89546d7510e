#pragma once
// `tornivex-skin render`: paints one section of a skin into a PNG so that skin authors can look at
// every element:
//   render SKIN SECTION [--state N] [--size WxH] [--over COLOR | --over-section NAME]
//          [--text "Caption"] [--glyph NAME] -o out.png
// SKIN is an internal skin's name, a package file (.asz) or an unpacked skin directory.

#include <QStringList>
#include <QTextStream>

namespace tornivex::skintool {

// `arguments` are the words after "render". Answers the process exit code: 0 done, 1 the skin
// or section could not be painted, 2 wrong usage. Messages go to `err`.
int RunRenderCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace tornivex::skintool
