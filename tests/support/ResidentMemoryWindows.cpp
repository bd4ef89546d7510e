#include "ResidentMemory.h"

#include <vector>

#include <windows.h>

namespace tornivex::testing {

// The bytes in use in the process's heaps: Windows keeps freed heap pages in the working set, so
// the working set would show what the heaps happen to hold rather than what the program does.
long ResidentBytes() {
    std::vector<HANDLE> heaps(GetProcessHeaps(0, nullptr) + 16);
    heaps.resize(GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data()));
    long used = 0;
    for (HANDLE heap : heaps) {
        if (!HeapLock(heap)) continue;
        PROCESS_HEAP_ENTRY entry{};
        while (HeapWalk(heap, &entry)) {
            if ((entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0) used += static_cast<long>(entry.cbData);
        }
        HeapUnlock(heap);
    }
    return used;
}

}  // namespace tornivex::testing
