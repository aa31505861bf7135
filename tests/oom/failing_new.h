// Test helper: makes operator new fail on demand, for the whole process.
#pragma once

#include <cstddef>

/// Lets `allowed` more allocations succeed, then fails every later one
/// (the throwing forms throw std::bad_alloc, the nothrow forms return null).
void FailAllocationsAfter(std::size_t allowed);

/// Fails every nothrow allocation from now on; the throwing forms succeed.
void FailNothrowAllocations();

/// Lets every allocation succeed again.
void StopFailingAllocations();
