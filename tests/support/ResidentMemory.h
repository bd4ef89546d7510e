#pragma once
// Memory the test process holds: on Linux its resident pages once the allocator has handed its
// free pages back to the system, on Windows the bytes in use in its heaps. Growth shows what the
// program keeps rather than what free lists happen to hold.
namespace tornivex::testing {

long ResidentBytes();

}  // namespace tornivex::testing
