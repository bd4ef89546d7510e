#include "AboutNotice.h"

namespace tornivex {

QStringList AboutNoticeLines() {
    // Lines ending in a blank continue a sentence on the next line.
    return {
        QStringLiteral("Tornivex 4th Axis Calculator - licence and warranty"),
        QString(),
        QStringLiteral("This program is free of charge for personal and "),
        QStringLiteral("commercial use."),
        QStringLiteral("You may copy it and pass it on unchanged, together "),
        QStringLiteral("with this notice, provided that no fee is asked "),
        QStringLiteral("for it beyond the cost of the medium it is "),
        QStringLiteral("carried on. "),
        QStringLiteral("All other rights are reserved by the maker."),
        QString(),
        QStringLiteral("The results are a guide for tuning and must be "),
        QStringLiteral("checked on the machine before use: move the axis "),
        QStringLiteral("slowly and measure a full turn before cutting. "),
        QStringLiteral("Check your drive's manual for its settings."),
        QStringLiteral("Stepper motors, drives and gears differ; the "),
        QStringLiteral("maker cannot know your machine. "),
        QStringLiteral("Always keep a hand near the emergency stop."),
        QString(),
        QStringLiteral("NO WARRANTY"),
        QStringLiteral("This program is provided as it is, without "),
        QStringLiteral("warranty of any kind, express or implied, "),
        QStringLiteral("including fitness for a particular purpose. "),
        QStringLiteral("In no event shall the maker be liable for any "),
        QStringLiteral("damage to machines, tools, work pieces or "),
        QStringLiteral("persons arising from its use, or for any loss "),
        QStringLiteral("of data, time or material. "),
        QStringLiteral("Use it at your own risk. "),
    };
}

}  // namespace tornivex
