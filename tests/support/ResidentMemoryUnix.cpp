#include "ResidentMemory.h"

#include <malloc.h>
#include <unistd.h>

#include <QFile>
#include <QList>

namespace tornivex::testing {

long ResidentBytes() {
    malloc_trim(0);
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * sysconf(_SC_PAGESIZE) : 0;
}

}  // namespace tornivex::testing
